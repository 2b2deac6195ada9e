#pragma once

#include "host/Bundle.h"

#include <QColor>
#include <QStringList>
#include <QTemporaryDir>

// A bundle in a temporary folder whose fourteen dial images are solid rectangles of the real
// images' sizes, each in a colour of its own, so that a drawing shows which image went where.
class TestBundle {
public:
    // inSet tells bundles apart (0 to 9); inDoubles adds "<name>@2x.tif" in colours of their own;
    // inBroken names resources to leave out, or with a trailing "!" to write as no image.
    explicit TestBundle(int inSet = 0, bool inDoubles = false, const QStringList& inBroken = {});

    host::Bundle bundle() const { return host::Bundle(mFolder.path() + "/USB_Tavro.prefPane"); }

    static const QStringList& names();
    // "<name>", or "<name>@2x", with "#<set>" for a set other than 0; "" when no image has
    // inColour.
    static QString nameOf(QColor inColour);

private:
    QTemporaryDir mFolder;
};
