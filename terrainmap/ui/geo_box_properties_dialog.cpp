#include "ui/geo_box_properties_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <span>

#include "dialogs/dialog_buttons.h"
#include "dialogs/geo_box_properties_texts.h"
#include "ui/dialog_position.h"
#include "ui/dialog_layout.h"
#include "ui/qt_text.h"

namespace terrainmap::ui {

using quorla::ui::Q;

GeoBoxPropertiesDialog::GeoBoxPropertiesDialog(QWidget* owner, quorla::SettingsStore& store,
                                               quorla::Language language, const std::string& caption)
    : QDialog(owner), presenter_(store, language, caption) {
  const auto& t = kGeoBoxPropertiesTexts;
  const quorla::Language l = language;
  const DialogLayout layout(*this, presenter_.Title(), 206, 160);

  // One half of the dialog: the check box, the group of start options and the example.
  auto half = [&](int top, quorla::BiText skipText, bool skipChecked, std::span<const quorla::BiText> options,
                  int chosen, quorla::BiText example, auto setSkip, auto setStart) {
    auto* skip = new QCheckBox(Q(skipText(l)), this);
    skip->setChecked(skipChecked);
    layout.Put(skip, 8, top, 140, 10);
    connect(skip, &QCheckBox::toggled, this, setSkip);
    const int groupHeight = 14 + 12 * static_cast<int>(options.size());
    layout.Put(new QGroupBox(Q(t.selectionBegins(l)), this), 4, top + 13, 146, groupHeight);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(options.size()); ++i) {
      auto* option = new QRadioButton(Q(options[i](l)), this);
      layout.Put(option, 12, top + 25 + 12 * i, 134, 10);
      group->addButton(option, i);
      option->setChecked(i == chosen);
    }
    connect(group, &QButtonGroup::idClicked, this, setStart);
    layout.Put(new QLabel(Q(example(l)), this), 8, top + 16 + groupHeight, 140, 8);
    return top + 30 + groupHeight;
  };
  GeoBoxPropertiesPresenter& p = presenter_;
  const int next = half(6, t.lonSkipsOver, p.properties().lonSkip == 0, t.lonStarts, p.lonStartOption(), t.lonExample,
                        [&p](bool on) { p.SetLonSkipsOver(on); }, [&p](int option) { p.SetLonStartOption(option); });
  half(next, t.latSkipsOver, p.properties().latSkip == 0, t.latStarts, p.latStartOption(), t.latExample,
       [&p](bool on) { p.SetLatSkipsOver(on); }, [&p](int option) { p.SetLatStartOption(option); });

  auto* ok = new QPushButton(Q(kOkButton(l)), this);
  auto* cancel = new QPushButton(Q(kCancelButton(l)), this);
  layout.Put(ok, 156, 8, 46, 14);
  layout.Put(cancel, 156, 26, 46, 14);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    presenter_.Ok();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int GeoBoxPropertiesDialog::Run(int x, int y) {
  PlaceDialogWidget(*this, parentWidget(), x, y);
  return exec();
}

}  // namespace terrainmap::ui
