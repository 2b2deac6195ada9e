// The default notification center: synchronous delivery by name and object, removal, and
// observers that change the registrations while a post is delivered.
#include "host/NotificationCenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using host::Notification;
using host::NotificationCenter;
using ::testing::ElementsAre;

// Writes "<tag>:<name>" into a shared journal for every notification it receives.
class Recorder : public QObject {
public:
    Recorder(std::vector<std::string>& inJournal, std::string inTag)
        : mJournal(inJournal), mTag(std::move(inTag)) {}
    void observe(const QString& inName, const QObject* inObject = nullptr) {
        NotificationCenter::defaultCenter().addObserver(this, &Recorder::record, inName, inObject);
    }
    void record(const Notification& inNote) {
        mJournal.push_back(mTag + ":" + inNote.name.toStdString());
        lastObject = inNote.object;
    }
    QObject* lastObject = nullptr;

private:
    std::vector<std::string>& mJournal;
    std::string mTag;
};

NotificationCenter& center() {
    return NotificationCenter::defaultCenter();
}

TEST(NotificationCenter, PostReachesEveryObserverOfTheNameAndObjectBeforeReturning) {
    std::vector<std::string> journal;
    QObject poster;
    QObject other;
    Recorder any(journal, "any");
    Recorder second(journal, "second");
    Recorder onlyPoster(journal, "onlyPoster");
    Recorder otherName(journal, "otherName");
    any.observe("a");
    second.observe("a");
    onlyPoster.observe("a", &poster);
    otherName.observe("b");

    center().postNotificationName("a", &other);
    EXPECT_THAT(journal, ElementsAre("any:a", "second:a"));
    EXPECT_EQ(any.lastObject, &other);

    journal.clear();
    center().postNotificationName("a", &poster);
    EXPECT_THAT(journal, ElementsAre("any:a", "second:a", "onlyPoster:a"));
}

TEST(NotificationCenter, RemovedAndDestroyedObserversAreNotCalled) {
    std::vector<std::string> journal;
    Recorder kept(journal, "kept");
    Recorder removed(journal, "removed");
    auto destroyed = std::make_unique<Recorder>(journal, "destroyed");
    kept.observe("a");
    removed.observe("a");
    removed.observe("b");
    destroyed->observe("a");

    center().removeObserver(&removed);
    destroyed.reset();
    center().postNotificationName("a", nullptr);
    center().postNotificationName("b", nullptr);

    EXPECT_THAT(journal, ElementsAre("kept:a"));
}

TEST(NotificationCenter, ObserversMayChangeRegistrationsAndPostDuringDelivery) {
    std::vector<std::string> journal;
    Recorder late(journal, "late");
    Recorder nested(journal, "nested");
    auto removedByFirst = std::make_unique<Recorder>(journal, "removedByFirst");
    nested.observe("inner");

    QObject first;
    center().addObserver(
        &first,
        [&](const Notification&) {
            journal.push_back("first:a");
            removedByFirst.reset(); // destroyed before its turn in this very post
            late.observe("a");      // waits for the next post
            center().postNotificationName("inner", nullptr);
            center().removeObserver(&first);
        },
        "a", nullptr);
    removedByFirst->observe("a");

    center().postNotificationName("a", nullptr);
    EXPECT_THAT(journal, ElementsAre("first:a", "nested:inner"));

    journal.clear();
    center().postNotificationName("a", nullptr);
    EXPECT_THAT(journal, ElementsAre("late:a"));
}

} // namespace
