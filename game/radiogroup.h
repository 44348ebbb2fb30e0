#pragma once
// A captioned group of radio items of which exactly one is chosen, laid out in columns. A click
// anywhere in an item's cell chooses it; the arrow keys move the choice to the next or previous
// item, as a click on that item would.

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace zelmo {

class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, int columns,
               QWidget *parent = nullptr);

    int count() const { return static_cast<int>(m_buttons.size()); }
    // The chosen item, -1 when none is.
    int itemIndex() const;
    // Chooses an item without emitting changed(); -1 chooses none.
    void setItemIndex(int index);
    QString itemText(int index) const;
    QRadioButton *button(int index) const;

signals:
    // The player chose another item, by a click or an arrow key.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void arrange();
    void choose(int index);

    QButtonGroup *m_group;
    std::vector<QRadioButton *> m_buttons;
    int m_columns;
};

} // namespace zelmo
