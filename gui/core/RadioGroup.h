#pragma once
// A radio group: a framed box of radio buttons, one item per line, of which at most one is
// checked. ItemIndex is the checked item, -1 when none is.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

namespace corv {

class FormScale;

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    // The box at design position (left, top) with design size width x height.
    RadioGroup(QWidget* parent, const FormScale& s, const QString& name, const QString& caption,
               const QStringList& items, int left, int top, int width, int height);

    int Count() const { return static_cast<int>(m_buttons.size()); }
    int ItemIndex() const;
    // Checks item i; an index outside the items checks none.
    void SetItemIndex(int i);
    QRadioButton* Button(int i) const;

  private:
    std::vector<QRadioButton*> m_buttons;
};

}  // namespace corv
