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

constexpr std::string_view kUsage =
    "usage: vatool antenna plot CODE [--vcode CODE] [--page 0..4] [--lin] [--table] [--azimax A]\n"
    "                           [--elemax E] [--width PX] [--new] -o FILE.png\n\n"
    "  Draws an editor page as the antenna editor shows it: 0 horizontal diagram (--table: its\n"
    "  value table), 1 azimuth of AziMax, 2 vertical diagram (--table: the polar graph instead of\n"
    "  X,Y), 3 elevation of EleMax, 4 3D diagram (--new: the new total-loss method). CODE is the\n"
    "  horizontal code, --vcode the vertical one (default 000ND00). PX pixels wide (default 800),\n"
    "  7/10 of it high; .png or .bmp.\n";

int Bad(std::ostream& err, const std::string& why) {
  err << "vatool antenna plot: " << why << '\n' << kUsage;
  return kExitBadInput;
}

int RunPlot(const Arguments& a, std::ostream&, std::ostream& err) {
  if (a.Positional().size() != 1) return Bad(err, "plot takes one code");
  radpattern::GraphState st;
  st.hcode = a.Positional()[0];
  st.vcode = a.Value("--vcode").value_or("000ND00");
  for (const std::string& code : {st.hcode, st.vcode})
    if (radpattern::CheckAntennaCode(code) != 1) return Bad(err, "not a valid antenna code: " + code);
  const auto page = ParseInteger(a.Value("--page").value_or("0"));
  if (!page || *page < 0 || *page > 4) return Bad(err, "--page must be 0..4");
  const auto azimax = ParseDouble(a.Value("--azimax").value_or("0"));
  if (!azimax || *azimax < 0 || *azimax >= 360) return Bad(err, "--azimax must lie in [0, 360)");
  const auto elemax = ParseDouble(a.Value("--elemax").value_or("0"));
  if (!elemax || *elemax < -80 || *elemax > 80) return Bad(err, "--elemax must lie in [-80, 80]");
  const auto width = ParseInteger(a.Value("--width").value_or("800"));
  if (!width || *width < 100 || *width > 8000) return Bad(err, "--width must be 100..8000");
  const auto path = a.Value("-o");
  if (!path) return Bad(err, "-o FILE is required");
  st.aziMax = static_cast<float>(*azimax);
  st.eleMax = static_cast<float>(*elemax);
  st.scale = a.Has("--lin") ? radpattern::Scale::Linear : radpattern::Scale::Db;
  st.alternateView = a.Has("--table");
  st.newMethod = a.Has("--new");
  const auto editorPage = static_cast<radpattern::EditorPage>(*page);
  const int w = static_cast<int>(*width);
  const bool written = quorla::ui::DrawPictureFile(
      w, w * 7 / 10, [&](quorla::DrawingSurface& s) { radpattern::DrawPage(s, editorPage, st); }, *path);
  if (!written) {
    err << "vatool: " << *path << ": cannot write the picture (.png or .bmp)\n";
    return kExitBadInput;
  }
  return kExitOk;
}

const CommandRow kRows[] = {
    {"plot", {"--vcode", "--page", "--azimax", "--elemax", "--width", "-o"}, {"--lin", "--table", "--new"}, RunPlot},
};

int RunAntennaPlot(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  return RunCommandRow(kRows, "antenna", kUsage, args, out, err);
}

const SubcommandGroupRegistration kAntennaPlot({"antenna", "antenna pattern pictures", kUsage, RunAntennaPlot});

}  // namespace
}  // namespace vatool
