#include "radiogroup.h"

#include "optionlayout.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace zelmo {

namespace {
// An item that takes a click anywhere in its cell, not only on its circle and caption.
class CellRadioButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override
    {
        return rect().contains(pos) || QRadioButton::hitButton(pos);
    }
};
} // namespace

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)), m_columns(columns)
{
    for (const QString &text : items) {
        auto *button = new CellRadioButton(text, this);
        button->installEventFilter(this);
        m_group->addButton(button, static_cast<int>(m_buttons.size()));
        m_buttons.push_back(button);
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && !signalsBlocked())
            emit changed();
    });
    arrange();
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    const QSignalBlocker blocker(this);
    if (index >= 0 && index < count()) {
        m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
    } else if (QAbstractButton *checked = m_group->checkedButton()) {
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}

QString RadioGroup::itemText(int index) const
{
    return index >= 0 && index < count() ? m_buttons[static_cast<std::size_t>(index)]->text()
                                         : QString();
}

QRadioButton *RadioGroup::button(int index) const
{
    return index >= 0 && index < count() ? m_buttons[static_cast<std::size_t>(index)] : nullptr;
}

void RadioGroup::choose(int index)
{
    QRadioButton *target = m_buttons[static_cast<std::size_t>(index)];
    target->setFocus(Qt::TabFocusReason);
    target->setChecked(true);
}

bool RadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && count() > 0) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        int step = 0;
        if (key == Qt::Key_Down || key == Qt::Key_Right)
            step = 1;
        else if (key == Qt::Key_Up || key == Qt::Key_Left)
            step = -1;
        if (step != 0) {
            const auto it = std::find(m_buttons.begin(), m_buttons.end(), watched);
            const int from = it != m_buttons.end() ? static_cast<int>(it - m_buttons.begin())
                                                   : std::max(itemIndex(), 0);
            choose((from + step + count()) % count());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void RadioGroup::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrange();
}

void RadioGroup::arrange()
{
    const int captionHeight = QFontMetrics(font()).height();
    for (int i = 0; i < count(); ++i) {
        const auto r =
            optionlayout::radioItem(i, count(), m_columns, width(), height(), captionHeight);
        m_buttons[static_cast<std::size_t>(i)]->setGeometry(r.left, r.top, r.width, r.height);
    }
}

} // namespace zelmo
