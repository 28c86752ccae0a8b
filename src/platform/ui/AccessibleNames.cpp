#include "platform/ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>
#include <QWidget>

namespace {

constexpr const char* DerivedProperty = "accessibleTextsDerived";

QString plain(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

bool isControl(const QWidget& widget) {
    if (qobject_cast<const QScrollBar*>(&widget))
        return false;
    // The editors inside spin and combo boxes belong to their box.
    if (qobject_cast<const QLineEdit*>(&widget) &&
        (qobject_cast<const QAbstractSpinBox*>(widget.parentWidget()) ||
         qobject_cast<const QComboBox*>(widget.parentWidget())))
        return false;
    return qobject_cast<const QAbstractButton*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QAbstractItemView*>(&widget) ||
           qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QPlainTextEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget);
}

// A combo box without a label of its own is named after its current
// entry, which is its value and says nothing of what it is for.
QString shownName(QWidget& widget) {
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&widget);
    const QString name = element ? element->text(QAccessible::Name) : QString();
    if (const auto* box = qobject_cast<const QComboBox*>(&widget);
        box && widget.accessibleName().isEmpty() && name == box->currentText())
        return {};
    return name;
}

QString labelText(const QLayoutItem* item) {
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label ? plain(label->text()) : QString();
}

// The label before the widget in its row: the cell to its left in a grid,
// the item before it in a box.
QString labelBeside(const QWidget& widget, const QLayout& layout) {
    const int index = layout.indexOf(&widget);
    if (index >= 0) {
        if (const auto* grid = qobject_cast<const QGridLayout*>(&layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return column > 0 ? labelText(grid->itemAtPosition(row, column - 1)) : QString();
        }
        return index > 0 ? labelText(layout.itemAt(index - 1)) : QString();
    }
    for (int i = 0; i < layout.count(); ++i)
        if (const QLayout* inner = layout.itemAt(i)->layout())
            if (const QString text = labelBeside(widget, *inner); !text.isEmpty())
                return text;
    return {};
}

// A list or table without a label: its column headings say what it holds.
QString headings(const QWidget& widget) {
    const auto* view = qobject_cast<const QAbstractItemView*>(&widget);
    if (!view || !view->model())
        return {};
    const auto* table = qobject_cast<const QTableView*>(view);
    const auto* tree = qobject_cast<const QTreeView*>(view);
    const QHeaderView* header = table ? table->horizontalHeader() : tree ? tree->header() : nullptr;
    if (!header || header->isHidden())
        return {};
    QStringList texts;
    for (int section = 0; section < header->count(); ++section)
        if (const QString text = view->model()->headerData(section, Qt::Horizontal).toString();
            !text.trimmed().isEmpty())
            texts << text.trimmed();
    return texts.join(QStringLiteral(", "));
}

// The last label above the widget in its column.
QString labelAbove(const QWidget& widget, const QLayout& layout) {
    const int index = layout.indexOf(&widget);
    if (index < 0 || !qobject_cast<const QBoxLayout*>(&layout))
        return {};
    for (int i = index - 1; i >= 0; --i)
        if (const QString text = labelText(layout.itemAt(i)); !text.isEmpty())
            return text;
    return {};
}

QString groupTitle(const QWidget& widget) {
    for (const QWidget* up = widget.parentWidget(); up; up = up->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(up))
            if (!group->title().trimmed().isEmpty())
                return plain(group->title());
    return {};
}

QString nameFor(const QWidget& widget) {
    if (const QString tip = widget.toolTip().section(u'|', 0, 0).trimmed(); !tip.isEmpty())
        return tip;
    const QWidget* parent = widget.parentWidget();
    const QLayout* layout = parent ? parent->layout() : nullptr;
    if (layout)
        if (const QString text = labelBeside(widget, *layout); !text.isEmpty())
            return text;
    if (const QString text = headings(widget); !text.isEmpty())
        return text;
    if (layout)
        if (const QString text = labelAbove(widget, *layout); !text.isEmpty())
            return text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        if (!edit->placeholderText().isEmpty())
            return edit->placeholderText();
    if (const QString title = groupTitle(widget); !title.isEmpty())
        return title;
    // The dialog's one list says what the dialog is about.
    return widget.window()->windowTitle();
}

void collectUnnamed(QAccessibleInterface* element, QList<QAccessibleInterface*>& found) {
    if (!element)
        return;
    // A combo box's editor and drop-down list are parts of the named box.
    if (const QAccessibleInterface* parent = element->parent();
        parent && parent->role() == QAccessible::ComboBox)
        return;
    const QString name = element->text(QAccessible::Name);
    const auto* box = qobject_cast<const QComboBox*>(element->object());
    const bool nameIsValue = box && box->accessibleName().isEmpty() && name == box->currentText();
    if (AccessibleNames::isInteractive(*element) && !element->state().invisible &&
        (name.isEmpty() || nameIsValue))
        found << element;
    for (int i = 0; i < element->childCount(); ++i)
        collectUnnamed(element->child(i), found);
}

} // namespace

namespace AccessibleNames {

void complete(QWidget& window) {
    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!isControl(*widget))
            continue;
        // What was derived here before follows the tool tips and labels as
        // they are now; names set by hand stay.
        const bool derived = widget->property(DerivedProperty).toBool();
        if (derived) {
            widget->setAccessibleName(QString());
            widget->setAccessibleDescription(QString());
        }
        QString name = shownName(*widget);
        const QString tip = widget->toolTip();
        const bool nameless = name.isEmpty();
        const bool undescribed =
            widget->accessibleDescription().isEmpty() && !tip.isEmpty() && tip != name;
        if (nameless) {
            name = nameFor(*widget);
            widget->setAccessibleName(name);
        }
        if (undescribed && tip != name)
            widget->setAccessibleDescription(tip);
        if (nameless || undescribed)
            widget->setProperty(DerivedProperty, true);
    }
}

bool isInteractive(const QAccessibleInterface& element) {
    switch (element.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

QList<QAccessibleInterface*> unnamed(QWidget& window) {
    QList<QAccessibleInterface*> found;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), found);
    return found;
}

} // namespace AccessibleNames
