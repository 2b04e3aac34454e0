#include "code_tables.h"

#include <array>

namespace recbook {
namespace {

// [1Z] Frequency category
constexpr CodeLine k1Z[] = {
    {"1", {"1  =  Preferential frequencies ", "1  =  Preferencni kmitocty "}},
    {"2", {"2  =  Frequencies requiring co-ordination ", "2  =  Kmitocty vyzadujici koordinaci "}},
    {"3", {"3  =  Freq. used on Geo.network plans basis ", "3  =  Kmit. pouzite podle planu geo.siti "}},
    {"4", {"4  =  Freq. for planned radiocom. network ", "4  =  Kmit. pro planovanou radiokom. sit "}},
    {"5", {"5  =  Shared frequencies ", "5  =  Sdilene kmitocty "}},
};

// [6A] Class of station; the first letter says fixed ("F") or mobile ("M").
constexpr CodeLine k6A[] = {
    {"FB", {"FB  =  Base station ", "FB  =  Zakladnova stanice "}},
    {"FC", {"FC  =  Coast station ", "FC  =  Pobrezni stanice "}},
    {"FL", {"FL  =  Land station ", "FL  =  Pozemni stanice "}},
    {"FP", {"FP  =  Port station", "FP  =  Pristavni stanice"}},
    {"FS", {"FS  =  Land stat. for safety of life ", "FS  =  Poz. stan. pro bezpecnost zivota "}},
    {"FW", {"FW =  Mobile st., R(sa)=0 km, 2.5. Annex 5.", "FW =  Pohybliva st., R(sa)=0 km, 2.5. Priloha 5."}},
    {"FX", {"FX  =  Fixed station ", "FX  =  Pevna stanice "}},
    {"ML", {"ML  =  Land mobile station ", "ML  =  Pozemni pohybliva stanice "}},
    {"MR", {"MR  =  Radiolocation mobile station ", "MR  =  Radiolokacni pohybliva stanice "}},
    {"MS", {"MS  =  Ship station ", "MS  =  Lodni stanice "}},
};
constexpr CodeLine kViewer6A[] = {
    {"FB", {"FB = Base station ", "FB = Zakladnova stanice "}},
    {"FC", {"FC = Coast station ", "FC = Pobrezni stanice "}},
    {"FL", {"FL = Land station ", "FL = Pozemni stanice "}},
    {"FP", {"FP = Port station", "FP = Pristavni stanice"}},
    {"FS", {"FS = Land stat. for safety of life ", "FS = Poz. stan. pro bezpecnost zivota "}},
    {"FW", {"FW = Mobile st., R(sa)=0 km, 2.5. Annex 5.", "FW = Pohybliva st., R(sa)=0 km, 2.5. Priloha 5."}},
    {"FX", {"FX = Fixed station ", "FX = Pevna stanice "}},
    {"ML", {"ML = Land mobile station ", "ML = Pozemni pohybliva stanice "}},
    {"MR", {"MR = Radiolocation mobile station ", "MR = Radiolokacni pohybliva stanice "}},
    {"MS", {"MS = Ship station ", "MS = Lodni stanice "}},
};

// [6B] Nature of service
constexpr CodeLine k6B[] = {
    {"CO", {"CO  =  Only for official correspondence ", "CO  =  Jen pro sluzebni korespondenci "}},
    {"CP", {"CP  =  For public correspondence ", "CP  =  Pro verejnou korespondenci "}},
    {"CR", {"CR  =  For limitted public correspondence ", "CR  =  Pro omezenou verejnou korespondenci "}},
    {"CV", {"CV  =  Only for corresp. of private agency ", "CV  =  Jen pro koresp. soukrome agentury "}},
    {"OT", {"OT  =  Only for service-corresp. of the Sevice ", "OT  =  Jen pro provozni koresp. sluzby "}},
};

// [6Z] Category of use: one letter (stored with a trailing blank) or two ("HH").
constexpr CodeLine k6Z[] = {
    {"A ", {"A = Airport services ", "A = Letistni sluzby "}},
    {"B ", {"B = Railways (excluding 'D')", "B = Zeleznice (mimo 'D')"}},
    {"C ", {"C = Diplomatic corps", "C = Diplomaticky sbor"}},
    {"D ", {"D = Mountain railways", "D = Horske drahy"}},
    {"E ", {"E = Energy product./distib. (el.,gas,water,...)", "E = Vyroba/rozvod energie (el.,plyn,voda,...)"}},
    {"F ", {"F = Fire services", "F = Pozarni sluzby"}},
    {"G ", {"G = Military", "G = Armada"}},
    {"H ", {"H = Radio reley network", "H = Sit radioreleovych spoju"}},
    {"HH", {"HH= Local call", "HH= Mistni volani"}},
    {"I ", {"I = Demonstration", "I = Predvadeni"}},
    {"K ", {"K = Public transport", "K = Verejna doprava"}},
    {"L ", {"L = Subcr.instalat., public MS, stand-by links", "L = Ucast.zarizeni, verejne MS, zaloz. spoje"}},
    {"M ", {"M = Navigation (ports, rivers,...)", "M = Plavba (pristavy, reky,...)"}},
    {"N ", {"N = Test and research", "N = Zkousky a vyzkum"}},
    {"O ", {"O = Not allocated", "O = Nepridelene"}},
    {"P ", {"P = Public security serv. (police, customs,...)", "P = Verejna bezpecnost (policie, celnice,...)"}},
    {"Q ", {"Q = Entries not falling in this list", "Q = Polozky mimo tento seznam"}},
    {"R ", {"R = Broadcast services (studio, reporting.,...)", "R = Rozhlasove sluzby (studio, reportaze,...)"}},
    {"S ", {"S = Rescue services (ambulances,...)", "S = Zachranne sluzby (sanitky,...)"}},
    {"T ", {"T = Other serv. providet by Telecom. admin.", "T = Jine sluzby telekom. spravy"}},
    {"U ", {"U = Industrial operators", "U = Prumyslovi provozovatele"}},
    {"V ", {"V = Road traffic service", "V = Silnicni doprava"}},
    {"W ", {"W = Taxi and car hire firms", "W = Taxi a pujcovny aut"}},
    {"X ", {"X = Other private services", "X = Jine soukrome sluzby"}},
    {"Y ", {"Y = Reserved spec. applications, not allocated", "Y = Vyhrazene spec. aplikace, nepridelene"}},
    {"Z ", {"Z = Othere private multiple-use networks", "Z = Jine soukrome site vicenasobneho uziti"}},
};

// [10Z] Channel occupation (a blank counts as "0")
constexpr CodeLine k10Z[] = {
    {"0", {"0:  No continuous carrier ", "0:  Bez trvale nosne "}},
    {"1", {"1:  Continuous carrier ", "1:  Trvala nosna "}},
};

// [8B2] Type of reference antenna
constexpr CodeLine k8B2[] = {
    {"E", {"E:  Power [8B1] = e.r.p.,  Ref.= half-wave dipol ", "E:  Vykon [8B1] = e.r.p.,  Ref.= pulvlnny dipol "}},
    {"I", {"I:   Power [8B1] = e.i.r.p., Ref.= izotrop. ant.", "I:   Vykon [8B1] = e.i.r.p., Ref.= izotrop. ant."}},
};

// [9D] Polarisation; one-letter codes are stored with a trailing blank.
constexpr CodeLine k9D[] = {
    {"H ", {"H  =  Horizontal linear ", "H  =  Vodorovna linearni "}},
    {"V ", {"V  =  Vertical linear ", "V  =  Svisla linearni "}},
    {"SR", {"SR = Right-hand slant in 45\xB0 cone from ant.", "SR = Pravotociva sikma v kuzelu 45\xB0 od ant."}},
    {"SL", {"SL =  Left-hand slant in 45\xB0 cone from ant.", "SL =  Levotociva sikma v kuzelu 45\xB0 od ant."}},
    {"CR", {"CR = Right-hand circular (direct) ", "CR = Pravotociva kruhova (prima) "}},
    {"CL", {"CL =  Left-hand circular (indirect) ", "CL =  Levotociva kruhova (neprima) "}},
    {"D ", {"D  =  Dual:  Horiz.= Vert., but out of phase ", "D  =  Dvoji:  Vodor.= Svisla, ale mimo fazi "}},
    {"M ", {"M  =  Mixed: ''dual'' + ''circular'' ", "M  =  Smisena: ''dvoji'' + ''kruhova'' "}},
};
constexpr CodeLine kViewer9D[] = {
    {"H ", {"H  = Horizontal linear ", "H  = Vodorovna linearni "}},
    {"V ", {"V  = Vertical linear ", "V  = Svisla linearni "}},
    {"SR", {"SR = Right-hand slant in 45\xB0 cone from ant.", "SR = Pravotociva sikma v kuzelu 45\xB0 od ant."}},
    {"SL", {"SL = Left-hand slant in 45\xB0 cone from ant.", "SL = Levotociva sikma v kuzelu 45\xB0 od ant."}},
    {"CR", {"CR = Right-hand circular (direct) ", "CR = Pravotociva kruhova (prima) "}},
    {"CL", {"CL = Left-hand circular (indirect) ", "CL = Levotociva kruhova (neprima) "}},
    {"D ", {"D  = Dual:  Horiz.= Vert., but out of phase ", "D  = Dvoji:  Vodor.= Svisla, ale mimo fazi "}},
    {"M ", {"M  = Mixed: ''dual'' + ''circular'' ", "M  = Smisena: ''dvoji'' + ''kruhova'' "}},
};

// [13Y] Status of co-ordination
constexpr CodeLine k13Y[] = {
    {"A", {"A =  For information only,  described assignement will not be co-ordinated and protected",
           "A =  Jen pro informaci,  popsane prideleni nebude koordinovano ani chraneno"}},
    {"B", {"B =  Request for agreement", "B =  Zadost o souhlas"}},
    {"C", {"C =  Agreed, without reservation", "C =  Odsouhlaseno bez vyhrad"}},
    {"D", {"D =  Agreed, subject to operational tests to show that coexistence is possible",
           "D =  Odsouhlaseno s podminkou provoznich zkousek, ze soubeh je mozny"}},
    {"E", {"E =  Agreement on a non-interfernce basis (NIB),  revocation of the agreement ...",
           "E =  Souhlas na zaklade neruseni (NIB),  odvolani souhlasu ..."}},
    {"F", {"F =  Agreed, subject to requirement idenical or analogous to requirement of RR S4.4",
           "F =  Odsouhlaseno s podminkou shodnou nebo obdobnou jako RR S4.4"}},
    {"G", {"G =  Agreed, without any reserv. as to interfer. which may be caused by assignements, ...",
           "G =  Odsouhlaseno bez vyhrad k ruseni, ktere mohou zpusobit prideleni, ..."}},
    {"H", {"H =  E + G", "H =  E + G"}},
    {"M", {"M =  Request for agreement following modiffied co-ord., after answer coded: E,G,H,Y,Z",
           "M =  Zadost o souhlas po zmenene koord., po odpovedi s kodem: E,G,H,Y,Z"}},
    {"P", {"P =  Assignement according to agreements: Pref.freq., Geo.network plan, Shared freq.",
           "P =  Prideleni podle dohod: Pref.kmit., plan Geo.siti, Sdilene kmit."}},
    {"R", {"R =  Deletion of co-ordination", "R =  Zruseni koordinace"}},
    {"W", {"W=  Withdrawal of the co-ordination request", "W=  Stazeni zadosti o koordinaci"}},
    {"Y", {"Y =  Request for agreement refused, alternative suggestion is given in [13Z]",
           "Y =  Zadost o souhlas zamitnuta, nahradni navrh je uveden v [13Z]"}},
    {"Z", {"Z =  Request for agreement refused", "Z =  Zadost o souhlas zamitnuta"}},
};

// [4B] Country: a help for the common neighbours; the code is the last three characters.
constexpr CodeLine k4B[] = {
    {"CZE", {"Czech Republic ........ CZE", "Ceska republika ....... CZE"}},
    {"SVK", {"Slovak Republic ....... SVK", "Slovenska republika ... SVK"}},
    {"POL", {"Poland ................ POL", "Polsko ................ POL"}},
    {"RUS", {"Russia ................ RUS", "Rusko ................. RUS"}},
    {"LTU", {"Lituania .............. LTU", "Litva ................. LTU"}},
    {"LVA", {"Latvia ................ LVA", "Lotyssko .............. LVA"}},
    {"EST", {"Estonia ............... EST", "Estonsko .............. EST"}},
    {"BLR", {"Belorussia ............ BLR", "Belorusko ............. BLR"}},
    {"DNK", {"Denmark ............... DNK", "Dansko ................ DNK"}},
    {"MDA", {"Moldavia .............. MDA", "Moldavsko ............. MDA"}},
    {"UKR", {"Ukraina ............... UKR", "Ukrajina .............. UKR"}},
    {"HNG", {"Hungaria .............. HNG", "Madarsko .............. HNG"}},
    {"G  ", {"United Kingdom ........ G  ", "Spojene kralovstvi .... G  "}},
    {"F  ", {"France ................ F  ", "Francie ............... F  "}},
    {"E  ", {"Spain ................. E  ", "Spanelsko ............. E  "}},
    {"BEL", {"Belgium ............... BEL", "Belgie ................ BEL"}},
    {"HOL", {"Nederland ............. HOL", "Nizozemsko ............ HOL"}},
    {"D  ", {"Germany ............... D  ", "Nemecko ............... D  "}},
    {"SUI", {"Switzerland ........... SUI", "Svycarsko ............. SUI"}},
    {"I  ", {"Italy ................. I  ", "Italie ................ I  "}},
    {"AUT", {"Austria ............... AUT", "Rakousko .............. AUT"}},
    {"SVN", {"Slovenia .............. SVN", "Slovinsko ............. SVN"}},
    {"HRV", {"Croatia ............... HRV", "Chorvatsko ............ HRV"}},
    {"BIH", {"Bosnia and Herzegovina  BIH", "Bosna a Hercegovina ... BIH"}},
    {"YUG", {"Yugoslavia ............ YUG", "Jugoslavie ............ YUG"}},
    {"MKD", {"Makedonia ............. MKD", "Makedonie ............. MKD"}},
    {"BUL", {"Bulgaria .............. BUL", "Bulharsko ............. BUL"}},
    {"ROU", {"Romania ............... ROU", "Rumunsko .............. ROU"}},
    {"ALB", {"Albania ............... ALB", "Albanie ............... ALB"}},
};

constexpr BiText kFirstLineGeneric{"  .......  Unfilled in  or  Wrong  code  !! ", "  .......  Nevyplneny  nebo  chybny  kod  !! "};

const CodeList kLists[] = {
    {Item::k1Z,
     {"  [1Z]  Frequency categories", "  [1Z]  Kategorie kmitoctu"},
     {"More info:  VA-99, Appendix 5 to Annex 2", "Vice info:  VA-99, Dodatek 5 k Priloze 2"},
     {"  ....  Unfilled in  (wrong)  code  !! ", "  ....  Nevyplneny  (chybny)  kod  !! "},
     {"If [1A]=blank than [1Z] is linked to [1Y] else to [1A]",
      "Je-li [1A] prazdne, vztahuje se [1Z] k [1Y], jinak k [1A]"},
     k1Z, OpenMatch::FirstCharacter, PickedPart::FirstCharacter},
    {Item::k6A,
     {"  [6A]  Class of station", "  [6A]  Trida stanice"},
     {"More info:  VA-99, Appendix 6 to Annex 2", "Vice info:  VA-99, Dodatek 6 k Priloze 2"},
     {"  .....   Unfilled in  or  Wrong  code  !! ", "  .....   Nevyplneny  nebo  chybny  kod  !! "},
     {"If [1A]=blank than [6A] is linked to [1Y] else to [1A]",
      "Je-li [1A] prazdne, vztahuje se [6A] k [1Y], jinak k [1A]"},
     k6A, OpenMatch::WholeCode, PickedPart::FirstTwo},
    {Item::k6B,
     {"  [6B]  Nature of the service", "  [6B]  Povaha sluzby"},
     {"More info:  VA-99, Appendix 7 to Annex 2", "Vice info:  VA-99, Dodatek 7 k Priloze 2"},
     kFirstLineGeneric,
     {"If [1A]=blank than [6B] is linked to [1Y] else to [1A]",
      "Je-li [1A] prazdne, vztahuje se [6B] k [1Y], jinak k [1A]"},
     k6B, OpenMatch::WholeCode, PickedPart::FirstTwo},
    {Item::k6Z,
     {"  [6Z]  Category of use", "  [6Z]  Kategorie uziti"},
     {"2 chars. may be combined.    More info:  VA-99, Appendix 8 to Annex 2",
      "Lze kombinovat 2 znaky.    Vice info:  VA-99, Dodatek 8 k Priloze 2"},
     {"    Unfilled in  or  Wrong  code  !!", "    Nevyplneny  nebo  chybny  kod  !!"},
     {"If [1A]=blank than [6Z] is linked to [1Y] else to [1A]",
      "Je-li [1A] prazdne, vztahuje se [6Z] k [1Y], jinak k [1A]"},
     k6Z, OpenMatch::FirstCharacter, PickedPart::FirstTwo},
    {Item::k10Z,
     {"  [10Z]  Channel occupation", "  [10Z]  Obsazeni kanalu"},
     {},
     {},
     {},
     k10Z, OpenMatch::CheckedButton, PickedPart::FirstCharacter},
    {Item::k4B,
     {"  [4B]  Country of station", "  [4B]  Zeme stanice"},
     {},
     {"Unfilled in / Else code   ", "Nevyplneno / Jiny kod    "},
     {},
     k4B, OpenMatch::WholeCode, PickedPart::LastThree},
    {Item::k8B2,
     {"  [8B2]  Type of refer. antenna", "  [8B2]  Typ referencni anteny"},
     {},
     {},
     {},
     k8B2, OpenMatch::CheckedButton, PickedPart::FirstCharacter},
    {Item::k9D,
     {"  [9D]  Polarization", "  [9D]  Polarizace"},
     {"More info:  VA-99, Appendix 11 to Annex 2", "Vice info:  VA-99, Dodatek 11 k Priloze 2"},
     {"  .....  Unspecified  or  Wrong  code  !! ", "  .....  Neurceny  nebo  chybny  kod  !! "},
     {},
     k9D, OpenMatch::WholeCode, PickedPart::FirstTwo},
    {Item::k13Y,
     {"  [13Y]  Status of co-ordination", "  [13Y]  Stav koordinace"},
     {"More info:  VA-99, Appendix 10 to Annex 2", "Vice info:  VA-99, Dodatek 10 k Priloze 2"},
     {"       Unfilled in  or  Wrong  code  !!", "       Nevyplneny  nebo  chybny  kod  !!"},
     {},
     k13Y, OpenMatch::FirstCharacter, PickedPart::FirstCharacter},
};

// [7A] Designation of emission, "FFFFmntdp".
constexpr BiText kEmpty{"Empty item  !!", "Prazdna polozka  !!"};
constexpr CodeLine kBandwidths[] = {
    {"    ", kEmpty},
    {"4K30", {"4K30 :   5  kHz  ............  <= 4K40", "4K30 :   5  kHz  ............  <= 4K40"}},
    {"5K30", {"5K30 :   6.25  kHz  ............  4K41 - 5K50", "5K30 :   6.25  kHz  ............  4K41 - 5K50"}},
    {"8K50", {"8K50 :   10  kHz  ...............  5K51 - 8K80", "8K50 :   10  kHz  ...............  5K51 - 8K80"}},
    {"10K6", {"10K6 :   12.5  kHz  ............  8K81 - 11K0", "10K6 :   12.5  kHz  ............  8K81 - 11K0"}},
    {"14K0", {"14K0 :   20  kHz  ...............  11K1 - 14K0", "14K0 :   20  kHz  ...............  11K1 - 14K0"}},
    {"16K0", {"16K0 :   25  kHz  ...............  14K1 - 16K0", "16K0 :   25  kHz  ...............  14K1 - 16K0"}},
    {"200K", {"200K :   GSM 900/1800", "200K :   GSM 900/1800"}},
    {"5M00", {"5M00 :   UMTS/IMT2000", "5M00 :   UMTS/IMT2000"}},
};
constexpr CodeLine kModulations[] = {
    {" ", kEmpty},
    {"N", {"N :   Unmodulated carrier", "N :   Nemodulovana nosna"}},
    {"A", {"A :   AM, double sideband", "A :   AM, dve postranni pasma"}},
    {"H", {"H :   AM, single-sideband, full carrier", "H :   AM, jedno post. pasmo, plna nosna"}},
    {"R", {"R :   AM, single-sidb., reduced or var. level carrier", "R :   AM, jedno p.p., potlac. nebo promenna nosna"}},
    {"J", {"J :    AM, single-sidb., supressed carrier", "J :    AM, jedno p.p., potlacena nosna"}},
    {"B", {"B :   AM, independent sidebands", "B :   AM, nezavisla postranni pasma"}},
    {"C", {"C :   AM, vestigial sideband", "C :   AM, zbytkove postranni pasmo"}},
    {"F", {"F :   Frequency modulation", "F :   Kmitoctova modulace"}},
    {"G", {"G :   Phase modulation", "G :   Fazova modulace"}},
    {"D", {"D :   Main carrier = AM + angle modulated", "D :   Hlavni nosna = AM + uhlova modulace"}},
    {"P", {"P :   Sequence of unmodulated pulses", "P :   Sled nemodulovanych impulsu"}},
    {"K", {"K :   Pulses modulated in amplitude", "K :   Impulsy modulovane amplitudou"}},
    {"L", {"L :   Pulses modulated in width/duration", "L :   Impulsy modulovane sirkou/delkou"}},
    {"M", {"M :  Pulses modulated in position/phase", "M :  Impulsy modulovane polohou/fazi"}},
    {"Q", {"Q :   Pulses in which carrier is angle modulated", "Q :   Impulsy s uhlove modulovanou nosnou"}},
    {"V", {"V :   Seque of pulses + combination of P - Q", "V :   Sled impulsu + kombinace P - Q"}},
    {"W", {"W:   Carrier, modul.combination: AM, angle, pulses", "W:   Nosna, kombinace modul.: AM, uhlova, impulsy"}},
    {"X", {"X :   Cases not otherwises covered", "X :   Jine pripady"}},
};
constexpr CodeLine kSignals[] = {
    {" ", kEmpty},
    {"0", {"0 :   No modulating signal", "0 :   Bez modulacniho signalu"}},
    {"1", {"1 :   1 channel digit/quant, no sub-carrier modul.", "1 :   1 kanal digit/kvant, bez modul. subnosne"}},
    {"2", {"2 :   1 channel digit/quant, with sub-carrier modul.", "2 :   1 kanal digit/kvant, s modul. subnosne"}},
    {"3", {"3 :   1 channel containing analogue information", "3 :   1 kanal s analogovou informaci"}},
    {"7", {"7 :   2 or more ch. containing digit/quant. info", "7 :   2 a vice kan. s digit/kvant. informaci"}},
    {"8", {"8 :   2 or more channels containing analog. info", "8 :   2 a vice kanalu s analog. informaci"}},
    {"9", {"9 :   1-n channels contain digit/quant.+analog.info", "9 :   1-n kanalu s digit/kvant.+analog.informaci"}},
    {"X", {"X :   Cases not otherwise covered", "X :   Jine pripady"}},
};
constexpr CodeLine kInformation[] = {
    {" ", kEmpty},
    {"N", {"N :   No information transmitted", "N :   Neprenasi se zadna informace"}},
    {"A", {"A :   Telegraphy - for aural reception", "A :   Telegrafie - pro sluchovy prijem"}},
    {"B", {"B :   Telegraphy - for automatic reception", "B :   Telegrafie - pro automaticky prijem"}},
    {"C", {"C :   Facsimile", "C :   Faksimile"}},
    {"D", {"D :   Data transmission, telemetry, telecommand", "D :   Prenos dat, telemetrie, dalkove ovladani"}},
    {"E", {"E :   Telephony  (including sound broadcasting)", "E :   Telefonie  (vcetne rozhlasu)"}},
    {"F", {"F :   Television  (video)", "F :   Televize  (video)"}},
    {"W", {"W:   Combination of the above", "W:   Kombinace predchozich"}},
    {"X", {"X :   Cases not otherwise covered", "X :   Jine pripady"}},
};
constexpr CodeLine kDetails[] = {
    {" ", kEmpty},
    {"A", {"A :  2-condit.code, elements of dif. No &/or durat.", "A :  2-stav.kod, prvky ruz. poctu a/nebo delky"}},
    {"B", {"B :  2-c.c., el. of the same No+durat., no error cor.", "B :  2-s.k., prvky stej. poctu+delky, bez opravy chyb"}},
    {"C", {"C :  2-c.c., el. of the same No+durat. + error cor.", "C :  2-s.k., prvky stej. poctu+delky + oprava chyb"}},
    {"D", {"D :  4-c.c., each cond. represents signal element", "D :  4-s.k., kazdy stav predstavuje prvek signalu"}},
    {"E", {"E :   Multi-c.c., each cond. repres. signal element", "E :   Vice-s.k., kazdy stav predst. prvek signalu"}},
    {"F", {"F :   Multi-c.c., each c./c.combin. repres. character", "F :   Vice-s.k., kazdy stav/kombin. predst. znak"}},
    {"G", {"G :  Sound of broadcasting quality (monophonic)", "G :  Zvuk rozhlasove kvality (mono)"}},
    {"H", {"H :  Sound of broadcast. quality  (stereo, quadro)", "H :  Zvuk rozhlas. kvality  (stereo, kvadro)"}},
    {"J", {"J :   Sound of commercial quality  (excluding K, L)", "J :   Zvuk obchodni kvality  (mimo K, L)"}},
    {"K", {"K :   S. of com.quality, freq.invers. or band-splitting", "K :   Z. obch.kvality, inverze kmit. nebo deleni pasma"}},
    {"L", {"L :   S. of com.qual., FM for demodul. level control", "L :   Z. obch.kval., FM pro rizeni urovne demodul."}},
    {"M", {"M :   Monochrome", "M :   Cernobila"}},
    {"N", {"N :   Colour", "N :   Barevna"}},
    {"W", {"W:   Combination of the above", "W:   Kombinace predchozich"}},
    {"X", {"X :   Cases not otherwises covered", "X :   Jine pripady"}},
};
constexpr CodeLine kMultiplex[] = {
    {" ", kEmpty},
    {"N", {"N :  None multiplex", "N :  Bez multiplexu"}},
    {"C", {"C :  Code-division multiplex (bandwidth expansion)", "C :  Kodovy multiplex (rozsireni pasma)"}},
    {"F", {"F :   Frequency-division multiplex", "F :   Kmitoctovy multiplex"}},
    {"T", {"T :  Time division multiplex", "T :  Casovy multiplex"}},
    {"W", {"W:  Combination of Freq. + Time division multiplex", "W:  Kombinace kmitoctoveho + casoveho multiplexu"}},
    {"X", {"X :  Other types of multiplexing", "X :  Jine druhy multiplexu"}},
};

constexpr std::array<DesignationList, kDesignationPartCount> kDesignation{{
    {DesignationPart::Bandwidth, 0, 4, kBandwidths},
    {DesignationPart::Modulation, 4, 1, kModulations},
    {DesignationPart::Signal, 5, 1, kSignals},
    {DesignationPart::Information, 6, 1, kInformation},
    {DesignationPart::Details, 7, 1, kDetails},
    {DesignationPart::Multiplex, 8, 1, kMultiplex},
}};

const DesignationTexts kDesignationTexts{
    {"  [7A]  Designation of emission", "  [7A]  Oznaceni vysilani"},
    {"Designation of emission:", "Oznaceni vysilani:"},
    {"Channel spacing     Neces.bandwidth", "Kanalova roztec     Nutna sire pasma"},
    {"Designation items  d,p  are non-mandatory items.", "Polozky oznaceni  d,p  nejsou povinne."},
    {"More info:  Radio Regulations, Appendix S1  (rev. 2000)", "Vice info:  Radiovy rad, Dodatek S1  (rev. 2000)"},
};

constexpr BiText kEmergency{"  only Emerg/secur. ", "  jen Tisen/bezpec. "};
constexpr BiText kGsm1800{"  only GSM1800 ", "  jen GSM1800 "};
constexpr BiText kUmts{"  only UMTS/IMT2000 ", "  jen UMTS/IMT2000 "};
constexpr BiText kNone{};

// Lines are the same in both languages.
constexpr BiText Same(std::string_view s) { return {s, s}; }

const FrequencyBand kBands[] = {
    {Same("  29.7 ...... 47 "), 29.7, 47, "32.0", kNone, -1, true},
    {Same("  68 ......... 74.8 "), 68, 74.8, "71.0", kNone, -1, true},
    {Same("  75.2 ...... 87.5 "), 75.2, 87.5, "81.0", kNone, -1, true},
    {Same("146 ........ 149.9 "), 146, 149.9, "148.0", kNone, -1, true},
    {Same("150.05 ... 174 "), 150.05, 174, "162.0", kNone, -1, true},
    {Same("  169.6125 ... 169.8125  ERMES "), 169.6125, 169.8125, "169.7", kNone, 4, false},
    {Same("  380 ..... 385"), 380, 385, "382.5", kEmergency, -1, true},
    {Same("  390 ..... 395"), 390, 395, "392.5", kEmergency, -1, true},
    {Same("406.1 ..... 430 "), 406.1, 430, "418.0", kNone, -1, true},
    {Same("440 ........ 470 "), 440, 470, "455.0", kNone, -1, true},
    {Same("862 ........ 960 "), 862, 960, "911.0", kNone, -1, true},
    {Same("  890 ..... 915  GSM900 "), 890, 915, "903.0", kNone, 10, false},
    {Same("  935 ..... 960  GSM900 "), 935, 960, "947.0", kNone, 10, false},
    {Same("1710 ... 1785"), 1710, 1785, "1748.0", kGsm1800, -1, true},
    {Same("1805 ... 1880"), 1805, 1880, "1843.0", kGsm1800, -1, true},
    {Same("1885 ... 2025"), 1885, 2025, "1955.0", kUmts, -1, true},
    {Same("2110 ... 2200"), 2110, 2200, "2155.0", kUmts, -1, true},
};

const FrequencyDialogTexts kFrequencyTexts{
    {"  [1A]  Transmitting frequency", "  [1A]  Vysilaci kmitocet"},
    {"  [1Y]  Tx freq. of corresp.Rx stat. / Rx freq.", "  [1Y]  Vys. kmit. protejsi Rx stan. / Rx kmit."},
    {"VA-99 frequecy bands:", "Kmitoctova pasma VA-99:"},
    {"f (Tx) =                         MHz", "f (Tx) =                         MHz"},
    {"f (Rx) =                         MHz", "f (Rx) =                         MHz"},
    {"    If  f (Tx)  is unfilled in  then Station is ''Receiving station''",
     "    Neni-li  f (Tx)  vyplnen,  je Stanice ''Prijimaci stanice''"},
    {"Freq. unfilled in !!", "Kmitocet nevyplnen !!"},
    {"Out of freq. bands !!", "Mimo kmitoctova pasma !!"},
};

constexpr BiText kReferenceExplanation[] = {
    {" where: CCC = country code requesting coord.", " kde:   CCC = kod zeme zadajici o koord."},
    {"         ZZ = year of initial co-ordination", "         ZZ = rok prvni koordinace"},
    {"     PPPPPP = process identification", "     PPPPPP = identifikace rizeni"},
    {"         FF = frequency order number (several", "         FF = poradove cislo kmitoctu (nekolik"},
    {"              coord. for one site), ... >0", "              koord. pro jedno misto), ... >0"},
    {"          R = number of associated records, >0", "          R = pocet souvisejicich zaznamu, >0"},
    {"          I = order number of record: 0 < I < R", "          I = poradove cislo zaznamu: 0 < I < R"},
};
const ReferenceTexts kReference{
    {"  [13X]  Co-ordination reference", "  [13X]  Odkaz koordinace"},
    Same("CCC-ZZ-PPPPPP-FF-R-I"),
    kReferenceExplanation,
};

constexpr BiText kNameHelp[] = {
    {"If  [4C]: Geo.coordinates  are  unfilled  in:", "Nejsou-li  [4C]: Geo.souradnice  vyplneny:"},
    {"then  Station name = ''INTR'' = in whole country.", "pak  Jmeno stanice = ''INTR'' = v cele zemi."},
};
constexpr BiText kRadiusHelp[] = {
    {"If  [4D] = 0 km  then it menas Fixed station and [6A]", "Je-li  [4D] = 0 km,  jde o Pevnou stanici a [6A]"},
    {"has to start with ''F'' character,", "musi zacinat znakem ''F'',"},
    {"else  [6A] has to start with ''M'' char. = ''Mobile''.", "jinak  [6A] musi zacinat znakem ''M'' = ''Pohybliva''."},
};
constexpr BiText kGainHelp[] = {
    {"Gain of Rx ant. in direction [9A] Azi, [9B] Ele,  ref. = [8B2]",
     "Zisk Rx ant. ve smeru [9A] Azi, [9B] Ele,  ref. = [8B2]"},
    {"If  [1Y] fr Rx  is filled in  and  [9G] is missing,  then Tx, Rx",
     "Je-li  [1Y] kmit Rx  vyplnen  a  [9G] chybi,  pak Tx, Rx"},
    {"antennas are different  and  data of Rx is in another Rec.",
     "anteny jsou ruzne  a  udaje Rx jsou v jinem Rec."},
};
constexpr BiText kHeightHelp[] = {
    {"Height of antenna  or  height of ant. system phase", "Vyska anteny  nebo  vyska fazoveho stredu"},
    {"center above ground  ...  1 - 9999 m", "ant. soustavy nad zemi  ...  1 - 9999 m"},
    {"If [6A] Class of stat starts with ''M''  then  Ha = 3 m", "Zacina-li [6A] Trida stanice ''M'',  pak  Ha = 3 m"},
};

struct InfoRow {
  Item item;
  InfoButton button;
};
const InfoRow kInfoButtons[] = {
    {Item::k1A, {{" Info: f [MHz]", " Info: f [MHz]"}, InfoDialog::FrequencyBands}},
    {Item::k1Y, {{" Info: f [MHz]", " Info: f [MHz]"}, InfoDialog::FrequencyBands}},
    {Item::k1Z, {{" Info: Freq.cat.", " Info: Kat.kmit."}, InfoDialog::CodePicker}},
    {Item::k6A, {{" Info: Class", " Info: Trida"}, InfoDialog::CodePicker}},
    {Item::k6B, {{" Info: Nature", " Info: Povaha"}, InfoDialog::CodePicker}},
    {Item::k6Z, {{" Info: Use", " Info: Uziti"}, InfoDialog::ListPicker}},
    {Item::k10Z, {{" Info: Occup.", " Info: Obsaz."}, InfoDialog::CodePicker}},
    {Item::k4A, {{" Info: Name", " Info: Jmeno"}, InfoDialog::Explanation}},
    {Item::k4B, {{" Info: Cnt", " Info: Zeme"}, InfoDialog::ListPicker}},
    {Item::k4C, {{" Info: Lon,Lat", " Info: Del,Sir"}, InfoDialog::Coordinates}},
    {Item::k4D, {{" Info: R[km]", " Info: R[km]"}, InfoDialog::Explanation}},
    {Item::k4Z, {{" Info: Alti", " Info: Nadm.v."}, InfoDialog::Altitude}},
    {Item::k7A, {{" Info: Designat.", " Info: Oznac."}, InfoDialog::DesignationBuilder}},
    {Item::k8B1, {{" Info: Erp", " Info: Erp"}, InfoDialog::PowerCalculator}},
    {Item::k8B2, {{" Info: E,I ant.", " Info: E,I ant."}, InfoDialog::CodePicker}},
    {Item::k9A, {{" Info: Azi.", " Info: Azi."}, InfoDialog::AntennaEditor}},
    {Item::k9B, {{" Info: Ele.", " Info: Ele."}, InfoDialog::AntennaEditor}},
    {Item::k9D, {{" Info: Polari.", " Info: Polariz."}, InfoDialog::CodePicker}},
    {Item::k9G, {{" Info: Ant.gain", " Info: Zisk ant."}, InfoDialog::Explanation}},
    {Item::k9Y, {{" Info: hAnt.", " Info: hAnt."}, InfoDialog::Explanation}},
    {Item::k9XH, {{" Info: Ant.code", " Info: Kod ant."}, InfoDialog::AntennaCodes}},
    {Item::k9XV, {{" Info: Ant.code", " Info: Kod ant."}, InfoDialog::AntennaCodes}},
    {Item::k13Y, {{" Info: Status", " Info: Stav"}, InfoDialog::ListPicker}},
    {Item::k13X, {{" Info: Refer.", " Info: Odkaz"}, InfoDialog::ReferenceLayout}},
};

constexpr std::array<BiText, kViewerTableCount> kViewerChoices{{
    {" [1Z] Frequency category ", " [1Z] Kategorie kmitoctu "},
    {" [6A] Class of station ", " [6A] Trida stanice "},
    {" [6B] Nature of service ", " [6B] Povaha sluzby "},
    {" [6Z] Category of use ", " [6Z] Kategorie uziti "},
    {" [4B] Country of station ", " [4B] Zeme stanice "},
    {" [7A] Designation of emission ", " [7A] Oznaceni vysilani "},
    {" [9D] Polarization of antenna ", " [9D] Polarizace anteny "},
    {" [13Y] Status of co-ordination ", " [13Y] Stav koordinace "},
    {" [13X] Co-ordination reference ", " [13X] Odkaz koordinace "},
}};
const ViewerHelpTexts kViewerHelp{
    {" Description of some Exchange data item codes", " Popis nekterych kodu polozek vymennych dat"},
    {"&Show", "&Ukazat"},
    {"&Cancel", "&Storno"},
    kViewerChoices,
};

const CodeList& ListOf(Item item) {
  for (const CodeList& l : kLists)
    if (l.item == item) return l;
  return kLists[0];  // not reached: every accessor names a listed item
}

}  // namespace

const CodeList* CodeListOf(Item item) {
  const CodeList& list = ListOf(item);
  return list.item == item ? &list : nullptr;
}

const CodeList& FrequencyCategories() { return ListOf(Item::k1Z); }
const CodeList& StationClasses() { return ListOf(Item::k6A); }
const CodeList& ServiceNatures() { return ListOf(Item::k6B); }
const CodeList& UseCategories() { return ListOf(Item::k6Z); }
const CodeList& ChannelOccupations() { return ListOf(Item::k10Z); }
const CodeList& Countries() { return ListOf(Item::k4B); }
const CodeList& ReferenceAntennas() { return ListOf(Item::k8B2); }
const CodeList& Polarisations() { return ListOf(Item::k9D); }
const CodeList& CoordinationStatuses() { return ListOf(Item::k13Y); }

BiText ChannelOccupationZeroDetail() {
  return {"transmitting to non-transmitting ratio < 1:10  cycle repetition time  > 30 sec.",
          "pomer vysilani k nevysilani < 1:10  doba opakovani cyklu  > 30 sec."};
}
BiText OptionPickerWrongCode() { return {"...  Wrong code  !!  ", "...  Chybny kod  !!  "}; }

std::span<const DesignationList, kDesignationPartCount> DesignationLists() { return kDesignation; }
const DesignationTexts& DesignationDialogTexts() { return kDesignationTexts; }

std::span<const FrequencyBand> FrequencyBands() { return kBands; }

bool InTestedBand(double mhz) {
  for (const FrequencyBand& b : kBands)
    if (b.tested && b.lower - kBandTolerance <= mhz && mhz <= b.upper + kBandTolerance) return true;
  return false;
}

const FrequencyDialogTexts& FrequencyTexts() { return kFrequencyTexts; }
const ReferenceTexts& ReferenceLayout() { return kReference; }

std::span<const BiText> NameHelp() { return kNameHelp; }
std::span<const BiText> RadiusHelp() { return kRadiusHelp; }
std::span<const BiText> GainHelp() { return kGainHelp; }
std::span<const BiText> AntennaHeightHelp() { return kHeightHelp; }

std::optional<InfoButton> InfoButtonFor(Item item) {
  for (const InfoRow& r : kInfoButtons)
    if (r.item == item) return r.button;
  return std::nullopt;
}

BiText OkButton() { return {"&OK", "&OK"}; }
BiText CancelButton() { return {"&Cancel", "&Storno"}; }

const ViewerHelpTexts& ViewerHelp() { return kViewerHelp; }
std::span<const CodeLine> ViewerStationClasses() { return kViewer6A; }
std::span<const CodeLine> ViewerPolarisations() { return kViewer9D; }

}  // namespace recbook
