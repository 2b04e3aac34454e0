#pragma once
// One labelled row of a form: the label's text, its edit boxes standing in the runs of blanks the
// label leaves for them (after the label when it leaves none), and the typing of every box sent
// through its presenter's input rule.
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "forms/input_rules.h"

namespace recbook::ui {

// The presenter's answer to a change: box id, its text (Latin-1) and the caret after the change.
using TypedHandler = std::function<RuledText(int box, std::string_view text, int caret)>;

struct RowBox {
  int id;
  int characters;  // the width of the box in characters
  bool fixedFont;
  QLineEdit* edit = nullptr;  // a box of its own kind; nullptr: a plain line edit
};

class FormRow : public QWidget {
 public:
  FormRow(const QString& label, const std::vector<RowBox>& boxes, QWidget* parent = nullptr);
  QLineEdit* box(size_t i) const { return boxes_[i]; }
  size_t boxCount() const { return boxes_.size(); }

 private:
  std::vector<QLineEdit*> boxes_;
};

// Sends every user edit of edit through typed and shows the ruled text and selection.
void ConnectTyping(QLineEdit* edit, int id, const TypedHandler& typed);
// Shows a ruled text and its selection (a caret when start == end).
void ShowRuled(QLineEdit* edit, const RuledText& r);

}  // namespace recbook::ui
