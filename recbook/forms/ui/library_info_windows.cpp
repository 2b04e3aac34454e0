#include "forms/ui/library_info_windows.h"

#include "forms/antenna_editor_call.h"
#include "forms/form_boxes.h"
#include "forms/record_form_presenter.h"
#include "forms/ui/altitude_dialog.h"
#include "forms/ui/antenna_codes_dialog.h"
#include "forms/ui/coordinates_dialog.h"
#include "forms/ui/power_dialog.h"
#include "settings_store.h"
#include "ui/entry_application.h"
#include "ui/qt_host.h"

namespace recbook::ui {

bool IsLibraryInfo(InfoDialog kind) {
  switch (kind) {
    case InfoDialog::Coordinates:
    case InfoDialog::Altitude:
    case InfoDialog::PowerCalculator:
    case InfoDialog::AntennaEditor:
    case InfoDialog::AntennaCodes: return true;
    default: return false;
  }
}

bool OpenLibraryInfo(int box, RecordFormPresenter& form, LibraryCalls& calls, QWidget* parent) {
  const RecordBox* spec = RecordBoxOf(box);
  const std::optional<InfoButton> button = spec ? InfoButtonFor(spec->item) : std::nullopt;
  if (!button || !IsLibraryInfo(button->dialog)) return false;
  quorla::QtHost host(parent);
  switch (button->dialog) {
    case InfoDialog::Coordinates: {
      quorla::SettingsStore settings;
      CoordinatesDialog dialog(host, form, calls, settings, parent);
      host.SetParent(&dialog);
      dialog.exec();
      break;
    }
    case InfoDialog::Altitude: AltitudeDialog(form, calls, parent).exec(); break;
    case InfoDialog::PowerCalculator: {
      PowerDialog dialog(host, form, parent);
      dialog.exec();
      break;
    }
    case InfoDialog::AntennaCodes: AntennaCodesDialog(form, calls, box, parent).exec(); break;
    default: OpenAntennaEditor(form, calls, box, quorla::ui::WindowHandle(parent ? parent->window() : nullptr)); break;
  }
  return true;
}

}  // namespace recbook::ui
