#pragma once
// The antenna editor's window: five tab pages over the presenter, each with its graph on a
// drawing surface, and the button row. Thin: every command goes to the presenter.
#include <QDialog>
#include <array>
#include <memory>

#include "antenna_editor_presenter.h"
#include "ui/qt_host.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace quorla::ui {
class SurfaceWidget;
}

namespace radpattern::ui {

inline constexpr int kKathreinResult = -99;

class AntennaEditorDialog : public QDialog, public AntennaEditorView {
 public:
  AntennaEditorDialog(const EditorEntry& entry, QWidget* owner);
  ~AntennaEditorDialog() override;

  // Shows the window modally: 1 after Transfer, 0 after Close, kKathreinResult for the
  // conversion from Kathrein files.
  int Run();
  AntennaEditorPresenter& presenter() { return *presenter_; }
  QTabWidget* tabs() { return tabs_; }
  quorla::ui::SurfaceWidget* graph(EditorPage page) { return graphs_[static_cast<size_t>(page)]; }

  void ShowPage(EditorPage page) override;
  void ShowCode(EditorPage codePage, const CodePageContent& content) override;
  void SetScale(bool linear, std::string_view caption) override;
  void SetViewCaption(EditorPage codePage, std::string_view caption) override;
  void SetMethodCaption(std::string_view caption) override;
  void SetAngleText(AngleBox box, std::string_view text) override;
  void SetReadout(EditorPage page, std::string_view text) override;
  void Redraw(EditorPage page) override;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct CodeControls {
    QButtonGroup* options = nullptr;
    std::array<QComboBox*, 3> fields{};
    std::array<QLabel*, 3> labels{};
    QCheckBox* scale = nullptr;
    QPushButton* view = nullptr;
  };

  QWidget* BuildCodePage(EditorPage page);
  QWidget* BuildAnglePage(EditorPage page);
  QWidget* BuildThreeDPage();
  quorla::ui::SurfaceWidget* AddGraph(QWidget* parent, EditorPage page, QRect rect);
  QLineEdit* AddAngleBox(QWidget* parent, AngleBox box, QRect rect);
  void BuildButtons();
  void CopyPicture();

  QWidget* owner_;
  quorla::QtHost host_;
  std::unique_ptr<AntennaEditorPresenter> presenter_;
  QTabWidget* tabs_ = nullptr;
  std::array<quorla::ui::SurfaceWidget*, 5> graphs_{};
  std::array<QLabel*, 5> readouts_{};
  std::array<CodeControls, 2> code_{};  // page 0, page 2
  std::array<QLineEdit*, 4> angleBoxes_{};
  QPushButton* method_ = nullptr;
  QScrollArea* tableScroll_ = nullptr;  // page 0's graph, scrolled when it shows the table
  bool filling_ = false;  // the presenter is filling controls: their signals are not commands
};

}  // namespace radpattern::ui
