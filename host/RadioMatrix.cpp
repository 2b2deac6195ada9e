#include "host/RadioMatrix.h"

#include <QAbstractButton>
#include <QEvent>
#include <QRadioButton>

namespace host {

RadioMatrix::RadioMatrix(QWidget* inParent) : QWidget(inParent) {
    mGroup.setExclusive(true);
    connect(&mGroup, &QButtonGroup::buttonClicked, this, &RadioMatrix::cellClicked);
}

bool RadioMatrix::event(QEvent* inEvent) {
    if (inEvent->type() == QEvent::Polish) {
        adoptCells();
    }
    return QWidget::event(inEvent);
}

void RadioMatrix::setActionName(const QString& inName) {
    mAction = Selector(inName.toLatin1().constData());
}

int RadioMatrix::tag(const QAbstractButton* inCell) {
    return inCell != nullptr ? inCell->property("tag").toInt() : 0;
}

void RadioMatrix::adoptCells() {
    for (QRadioButton* cell : findChildren<QRadioButton*>()) {
        if (mGroup.id(cell) == -1 || mGroup.id(cell) != tag(cell)) {
            mGroup.removeButton(cell);
            mGroup.addButton(cell, tag(cell));
        }
    }
}

bool RadioMatrix::selectCellWithTag(int inTag) {
    adoptCells();
    QAbstractButton* cell = mGroup.button(inTag);
    if (cell == nullptr) {
        return false;
    }
    cell->setChecked(true);
    return true;
}

QAbstractButton* RadioMatrix::selectedCell() {
    adoptCells();
    return mGroup.checkedButton();
}

void RadioMatrix::cellClicked() {
    if (respondsToSelector(mTarget, mAction)) {
        performSelector(mTarget, mAction, this);
    }
}

} // namespace host
