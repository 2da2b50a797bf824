#include "core/RadioGroup.h"

#include <QRadioButton>

#include "core/Checked.h"
#include "core/FormScale.h"

namespace corv {

namespace {

constexpr int kFirstItemTop = 18;
constexpr int kItemPitch = 20;
constexpr int kItemLeft = 8;

}  // namespace

RadioGroup::RadioGroup(QWidget* parent, const FormScale& s, const QString& name,
                       const QString& caption, const QStringList& items, int left, int top,
                       int width, int height)
    : QGroupBox(caption, parent) {
    setObjectName(name);
    s.Place(this, left, top, width, height);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(name + QString::number(i));
        s.Place(b, kItemLeft, kFirstItemTop + kItemPitch * i, width - 2 * kItemLeft);
        m_buttons.push_back(b);
    }
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < Count(); ++i)
        if (m_buttons[static_cast<size_t>(i)]->isChecked()) return i;
    return -1;
}

void RadioGroup::SetItemIndex(int i) {
    // Auto-exclusive buttons refuse to be cleared one by one.
    for (QRadioButton* b : m_buttons) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    if (i >= 0 && i < Count()) m_buttons[static_cast<size_t>(i)]->setChecked(true);
}

QRadioButton* RadioGroup::Button(int i) const {
    CheckIndex(i, Count());
    return m_buttons[static_cast<size_t>(i)];
}

}  // namespace corv
