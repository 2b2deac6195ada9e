#include "hosting/EntryDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

EntryDialog::EntryDialog(QWidget* inParent, const QString& inTitle, const QString& inLabel,
                         const QString& inText, std::function<QString(const QString&)> inTry)
    : QDialog(inParent), mTry(std::move(inTry)) {
    setWindowTitle(inTitle);
    mField = new QLineEdit(inText, this);
    mField->setObjectName("entryField");
    mField->selectAll(); // typing replaces it
    auto* label = new QLabel(inLabel, this);
    label->setBuddy(mField);
    // Its label without the mnemonic ("&F", or "(&F)" after a CJK word) and the colon (a
    // full-width one in CJK writing).
    mField->setAccessibleName(
        QString(inLabel).remove(QRegularExpression(R"(\(&.\)|&(?=.)|[:\x{FF1A}])")).trimmed());

    mRefusal = new QLabel(this);
    mRefusal->setObjectName("entryRefusal");
    mRefusal->setWordWrap(true);
    // Room of its own, so that no refusal resizes the dialog (one quoting a long entry cuts it
    // short).
    constexpr int sRefusalLines = 3;
    mRefusal->setFixedSize(mRefusal->fontMetrics().averageCharWidth() * 48,
                           mRefusal->fontMetrics().lineSpacing() * sRefusalLines);
    mRefusal->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EntryDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(label, mField);
    form->addRow(QString(), mRefusal);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void EntryDialog::accept() {
    const QString why = mTry(mField->text());
    mRefusal->setText(why);
    // Said with the field, where the screen reader's user is.
    mField->setAccessibleDescription(why);
    if (why.isEmpty()) {
        QDialog::accept();
    } else {
        mField->selectAll();
        mField->setFocus();
    }
}
