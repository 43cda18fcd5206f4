#include "ui/toolkit/RadioButton.h"

#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>
#include <vector>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/TextStyle.h"

namespace tk {

namespace {

// Left to itself, Qt keeps one button of a group as a Tab stop, the one that
// had the focus last: a button taking the focus takes Tab away from the
// others. Here every radio button keeps its own place in the tab order (the
// arrow keys still move within the group).
class RadioWidget : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    std::vector<std::pair<QPointer<QWidget>, Qt::FocusPolicy>> kept;
    if (QWidget* group = parentWidget())
      for (auto* b : group->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        kept.emplace_back(b, b->focusPolicy());
    QRadioButton::focusInEvent(event);
    for (const auto& [b, policy] : kept)
      if (b) b->setFocusPolicy(policy);
  }
};

}  // namespace

RadioButton::RadioButton(tk::Window& window, Control* parent)
    : Control(window, parent, new RadioWidget(Host(window, parent))) {
  QObject::connect(View(), &QRadioButton::clicked, View(), [this] {
    if (Enabled() && Action) RunHandler([this] { Action(*this); });
  });
}

QRadioButton* RadioButton::View() const { return static_cast<QRadioButton*>(Widget()); }

void RadioButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* v = View()) v->setText(QString::fromStdString(caption));
}

bool RadioButton::Value() const { return View() && View()->isChecked(); }

void RadioButton::SetValue(bool v) {
  QRadioButton* b = View();
  if (!b) return;
  const bool selected = b->isChecked();
  {
    const QSignalBlocker quiet(b);
    if (v) {
      b->setChecked(true);
    } else {
      // A group never lets its selected button go by itself.
      b->setAutoExclusive(false);
      b->setChecked(false);
      b->setAutoExclusive(true);
    }
  }
  if (v && !selected && Enabled() && Action) Action(*this);
}

void RadioButton::Push() {
  if (!Visible()) return;
  if (auto* v = View()) v->click();
}

bool RadioButton::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Caption") {
    SetCaption(value.Text());
  } else if (name == "Value") {
    SetValue(value.Bool());
  } else if (ApplyTextProperty(Widget(), name, value)) {
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
