// vatool antenna plot: an antenna editor page drawn to a picture file through the editor's own
// drawing code, for reports and documentation.
#include <ostream>
#include <string>

#include "antenna_code.h"
#include "arguments.h"
#include "page_drawing.h"
#include "subcommand_table.h"
#include "ui/picture_file.h"

namespace vatool {
namespace {

int RunPlot(const Arguments& a, std::ostream&, std::ostream& err) {
  radpattern::GraphState st;
  st.hcode = a.Positional()[0];
  st.vcode = a.Value("--vcode").value_or("000ND00");
  for (const std::string& code : {st.hcode, st.vcode})
    if (radpattern::CheckAntennaCode(code) != 1) return BadUsage(a, err, "not a valid antenna code: " + code);
  const auto page = ParseInteger(a.Value("--page").value_or("0"));
  if (!page || *page < 0 || *page > 4) return BadUsage(a, err, "--page must be 0..4");
  const auto azimax = ParseDouble(a.Value("--azimax").value_or("0"));
  if (!azimax || *azimax < 0 || *azimax >= 360) return BadUsage(a, err, "--azimax must lie in [0, 360)");
  const auto elemax = ParseDouble(a.Value("--elemax").value_or("0"));
  if (!elemax || *elemax < -80 || *elemax > 80) return BadUsage(a, err, "--elemax must lie in [-80, 80]");
  const auto width = ParseInteger(a.Value("--width").value_or("800"));
  if (!width || *width < 100 || *width > 8000) return BadUsage(a, err, "--width must be 100..8000");
  const std::string path = *a.Value("-o");
  st.aziMax = static_cast<float>(*azimax);
  st.eleMax = static_cast<float>(*elemax);
  st.scale = a.Has("--lin") ? radpattern::Scale::Linear : radpattern::Scale::Db;
  st.alternateView = a.Has("--table");
  st.newMethod = a.Has("--new");
  const auto editorPage = static_cast<radpattern::EditorPage>(*page);
  const int w = static_cast<int>(*width);
  // The value table is drawn tall enough for its 120 rows a column to be read.
  const bool table = editorPage == radpattern::EditorPage::Horizontal && st.alternateView;
  const bool written = quorla::ui::DrawPictureFile(
      w, table ? w * 2 : w * 7 / 10, [&](quorla::DrawingSurface& s) { radpattern::DrawPage(s, editorPage, st); }, path);
  if (!written) {
    err << "vatool: " << path << ": cannot write the picture (.png or .bmp)\n";
    return kExitBadInput;
  }
  return kExitOk;
}

const CommandRow kCommands[] = {
    {"plot", "CODE", 1, 1,
     "an antenna editor page drawn as the editor shows it, to a .png or .bmp file PX wide and 7/10 of it high (the table twice as high)",
     {{"--vcode", "CODE", "the vertical code (default 000ND00)", false, "030EA10 --vcode 010EA00 --page 2 -o VERTICAL.png"},
      {"--page", "N", "0 horizontal diagram, 1 azimuth of AziMax, 2 vertical diagram, 3 elevation of EleMax, 4 3D "
                      "diagram (default 0)",
       false, "030EA10 --page 1 -o AZIMUTH.png"},
      {"--table", "", "page 0: the value table; page 2: the polar graph instead of X,Y", false,
       "030EA10 --page 0 --table -o TABLE.png"},
      {"--lin", "", "the linear scale instead of dB", false, "030EA10 --lin -o LINEAR.png"},
      {"--new", "", "page 4: the new total-loss method", false, "030EA10 --page 4 --new -o CUTS.png"},
      {"--azimax", "A", "azimuth of maximum radiation, [0, 360)", false, "030EA10 --page 1 --azimax 45 -o AZIMUTH.png"},
      {"--elemax", "E", "elevation of the main beam, [-80, 80]", false, "030EA10 --page 3 --elemax -5 -o ELEVATION.png"},
      {"--width", "PX", "picture width in pixels, 100..8000 (default 800)", false, "030EA10 --width 600 -o SMALL.png"},
      {"-o", "FILE", "the picture file", true, "030EA10 -o HORIZONTAL.png"}},
     RunPlot, "030EA10 --page 1 --azimax 45 -o AZIMUTH.png"},
};

const SubcommandGroupRegistration kAntennaPlot({"antenna", "antenna pattern pictures", kCommands});

}  // namespace
}  // namespace vatool
