// Building a widget tree from an interface file: custom classes by name, outlets by object name,
// and actions named in the file.
#include "host/InterfaceLoader.h"
#include "host/RadioMatrix.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Special : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

class Owner : public QObject {
    Q_OBJECT
    Q_PROPERTY(Special* mSpecial MEMBER mSpecial)
    Q_PROPERTY(QLabel* mLabel MEMBER mLabel)
    Q_PROPERTY(host::RadioMatrix* mMatrix MEMBER mMatrix)
    Q_PROPERTY(QLabel* mMissing MEMBER mMissing)
    Q_PROPERTY(Special* mWrongClass MEMBER mWrongClass)
public:
    Q_INVOKABLE void choose(QObject* inSender) {
        senders.push_back(inSender);
        tags.push_back(host::RadioMatrix::tag(mMatrix->selectedCell()));
    }

    Special* mSpecial = nullptr;
    QLabel* mLabel = nullptr;
    host::RadioMatrix* mMatrix = nullptr;
    QLabel* mMissing = nullptr;
    Special* mWrongClass = nullptr;
    std::vector<QObject*> senders;
    std::vector<int> tags;
};

constexpr char sInterface[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <widget class="QWidget" name="root">
  <layout class="QVBoxLayout">
   <item><widget class="Special" name="mSpecial"/></item>
   <item><widget class="QLabel" name="mLabel"/></item>
   <item><widget class="QLabel" name="mWrongClass"/></item>
   <item>
    <widget class="host::RadioMatrix" name="mMatrix">
     <property name="action"><string>choose</string></property>
     <layout class="QVBoxLayout">
      <item><widget class="QRadioButton" name="one">
       <property name="tag" stdset="0"><number>1</number></property></widget></item>
      <item><widget class="QRadioButton" name="two">
       <property name="tag" stdset="0"><number>2</number></property></widget></item>
     </layout>
    </widget>
   </item>
  </layout>
 </widget>
</ui>
)";

class Loader : public ::testing::Test {
protected:
    void SetUp() override {
        QFile file(dir.filePath("test.ui"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sInterface);
        file.close();
        loader.registerClass<Special>("Special");
        root.reset(loader.load(dir.filePath("test.ui"), &owner));
        ASSERT_NE(root, nullptr) << loader.errorString().toStdString();
    }

    QTemporaryDir dir;
    host::InterfaceLoader loader;
    Owner owner;
    std::unique_ptr<QWidget> root;
};

TEST_F(Loader, OutletsAreConnectedByNameWhenTheClassFits) {
    EXPECT_EQ(owner.mSpecial, root->findChild<Special*>("mSpecial"));
    ASSERT_NE(owner.mLabel, nullptr);
    EXPECT_EQ(owner.mLabel->objectName(), "mLabel");
    EXPECT_NE(owner.mMatrix, nullptr);
    EXPECT_EQ(owner.mMissing, nullptr);
    EXPECT_EQ(owner.mWrongClass, nullptr); // a plain label is no Special
}

TEST_F(Loader, MatrixSendsItsActionForClicksButNotForSelectionFromCode) {
    ASSERT_TRUE(owner.mMatrix->selectCellWithTag(2));
    EXPECT_FALSE(owner.mMatrix->selectCellWithTag(7));
    EXPECT_EQ(host::RadioMatrix::tag(owner.mMatrix->selectedCell()), 2);
    EXPECT_TRUE(owner.senders.empty());

    root->findChild<QRadioButton*>("one")->click();
    ASSERT_EQ(owner.senders.size(), 1u);
    EXPECT_EQ(owner.senders[0], owner.mMatrix);
    EXPECT_EQ(owner.tags[0], 1);
}

TEST(LoaderErrors, UnreadableFileGivesNothingAndSaysWhy) {
    host::InterfaceLoader loader;
    EXPECT_EQ(loader.load("/nonexistent/test.ui", nullptr), nullptr);
    EXPECT_FALSE(loader.errorString().isEmpty());
}

} // namespace

#include "test_interface_loader.moc"
