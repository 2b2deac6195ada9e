#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

// A one-line question (a frequency, a station's name): what is typed is tried on Enter or OK; a
// refused entry leaves the dialog open, the reason in words under the field, where a screen reader
// says it as the field's description. Nothing changes until an entry is taken.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    // inTry takes an entry and returns empty, or refuses it and returns why. inLabel names the
    // field, with its mnemonic ("&Frequency:").
    EntryDialog(QWidget* inParent, const QString& inTitle, const QString& inLabel,
                const QString& inText, std::function<QString(const QString&)> inTry);

    QLineEdit* field() const { return mField; }
    QLabel* refusal() const { return mRefusal; }

    void accept() override;

private:
    QLineEdit* mField = nullptr;
    QLabel* mRefusal = nullptr;
    std::function<QString(const QString&)> mTry;
};
