#include "widgets/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

DialogButtons DialogButtons::addTo(QDialog& dialog, QBoxLayout& layout, bool withCancel) {
    DialogButtons buttons;
    auto* row = new QHBoxLayout;
    row->addStretch();
    buttons.ok = new QPushButton(&dialog);
    buttons.ok->setObjectName(QStringLiteral("OKButton"));
    buttons.ok->setDefault(true);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    row->addWidget(buttons.ok);
    if (withCancel) {
        buttons.cancel = new QPushButton(&dialog);
        buttons.cancel->setObjectName(QStringLiteral("CancelButton"));
        QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        row->addWidget(buttons.cancel);
    }
    layout.addLayout(row);
    return buttons;
}
