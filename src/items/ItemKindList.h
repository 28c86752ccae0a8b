#pragma once

// Every item kind the program has, once, in type-index order (the order of
// ImageItem::TypeCodes, which the item list dialog's buttons follow). Each
// entry names a kind whose files define
//   const ItemKind& <name>Kind();              (core, the kind's own .cpp)
//   const ItemDialogKind& <name>DialogKind();  (widgets, the kind's ui/ .cpp)
// From this list come the class registration, the JSON forms and the command
// line's help, the property dialogs, the placing state and the main window's
// item commands, the item list dialog's buttons and the item limits.
//
// Adding a kind, as the number item was added:
//   1. src/items/NumberItem.h/.cpp: class NumberItem : public
//      Persistent<NumberItem, ImageItem> with RecordName, TypeCode, its fields,
//      load, store, compileRecord, draw and the rest.
//   2. src/items/NumberItemKind.cpp: numberItemKind(), the entry (type code,
//      caption index, icon, command keys, blank and sample item, JSON fields).
//   3. src/items/ui/NumberItemDialog.h/.cpp: the property dialog and
//      numberItemDialogKind().
//   4. The sources in src/items/CMakeLists.txt, and X(numberItem) below, in
//      its place by type index.
// The conformance test (tests/items/ItemKindConformanceTest.cpp) then checks
// the new kind with the others.
#define TOLVANE_ITEM_KINDS(X) X(textItem) X(dateItem) X(numberItem) X(timeItem) X(shiftCodeItem) X(graphicItem) X(barcodeItem) X(multiLineTextItem) X(fieldItem)
