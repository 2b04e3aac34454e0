#include "forms/ui/info_windows.h"

#include "forms/ui/altitude_dialog.h"
#include "forms/ui/antenna_codes_dialog.h"
#include "forms/ui/code_picker_dialog.h"
#include "forms/ui/coordinates_dialog.h"
#include "forms/ui/designation_dialog.h"
#include "forms/ui/explanation_dialog.h"
#include "forms/ui/frequency_dialog.h"
#include "forms/ui/power_dialog.h"

namespace recbook::ui {
namespace {

struct InfoWindow {
  InfoDialog kind;
  InfoWindowOpener open;
};
constexpr InfoWindow kInfoWindows[] = {
    {InfoDialog::FrequencyBands, OpenFrequencyDialog},
    {InfoDialog::CodePicker, OpenCodePicker},
    {InfoDialog::ListPicker, OpenCodePicker},
    {InfoDialog::Explanation, OpenExplanation},
    {InfoDialog::DesignationBuilder, OpenDesignationBuilder},
    {InfoDialog::ReferenceLayout, OpenExplanation},
    {InfoDialog::Coordinates, OpenCoordinates},
    {InfoDialog::Altitude, OpenAltitude},
    {InfoDialog::PowerCalculator, OpenPowerCalculator},
    {InfoDialog::AntennaEditor, OpenAntennaEditor},
    {InfoDialog::AntennaCodes, OpenAntennaCodes},
};

}  // namespace

InfoWindowOpener InfoWindowFor(InfoDialog kind) {
  for (const InfoWindow& w : kInfoWindows)
    if (w.kind == kind) return w.open;
  return nullptr;
}

}  // namespace recbook::ui
