#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A captioned group of mutually exclusive choices, chosen by a 0-based
// itemIndex; -1 means that no choice is checked.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    // Replaces the captions. With the same number of items only the captions
    // change, so the checked choice survives a re-translation.
    void setItems(const QStringList& captions);
    QStringList items() const;
    int count() const;

    int itemIndex() const;
    // An index outside 0..count()-1 unchecks every choice.
    void setItemIndex(int index);

    // The button of a choice (object name "Item<index>"), or null.
    QRadioButton* button(int index) const;

signals:
    void itemIndexChanged(int index);

private:
    void rebuild(const QStringList& captions);

    QButtonGroup* group_;
    QVBoxLayout* layout_;
};
