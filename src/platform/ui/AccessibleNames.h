#pragma once

#include <QList>

class QAccessibleInterface;
class QWidget;

// Names for screen readers. Qt names a button by its text and a field by the
// label whose buddy it is; what is left without a name here takes it from
// its tool tip, the label beside it in the layout, its placeholder text or
// the group it sits in. A tool tip that says more than the name becomes the
// description.
namespace AccessibleNames {

// Names every control of window (and its hidden pages) that has no name.
void complete(QWidget& window);

// Whether an element of the accessibility tree is one the user works: a
// button, field, box, list, table or slider.
bool isInteractive(const QAccessibleInterface& element);
// The interactive elements shown under window, depth first, whose name is
// empty. The parts of a combo box (its editor and its drop-down list) count
// as the box.
QList<QAccessibleInterface*> unnamed(QWidget& window);

} // namespace AccessibleNames
