#include "settings/SharedFile.h"

#include <QThread>

namespace settings {

namespace {

// What another program made of a setting: its value in the file now, where that differs from the
// one seen here last; nothing where the file holds none.
template <class T>
std::optional<T> changed(const std::optional<T>& inSeen, std::optional<T> inNow) {
    return inNow != inSeen ? inNow : std::nullopt;
}

} // namespace

Stored SharedFile::read(const QString& inPath, bool inSettle) {
    Loaded found = load(inPath);
    if (found.state == FileState::Unreadable && inSettle) {
        QThread::msleep(sSettleMs);
        found = load(inPath);
    }
    mState = found.state;
    if (!found.dict) {
        return {}; // the next save puts the settings back
    }
    const Stored now = fromDictionary(*found.dict);
    // The stations are not compared: seen() has them as the file holds them now.
    const Stored news{changed(mSeen.frequency, now.frequency),
                      changed(mSeen.style, now.style),
                      changed(mSeen.stereo, now.stereo),
                      changed(mSeen.applyOnPlug, now.applyOnPlug),
                      {}};
    mSeen = now;
    mLast = std::move(found.dict);
    return news;
}

WriteResult SharedFile::write(const QString& inPath, SInt32 inFrequency, bool inStereo,
                              std::optional<SInt32> inStyle) {
    if ((mState == FileState::Read || mState == FileState::Unkeepable) &&
        mSeen.frequency == inFrequency && mSeen.stereo == inStereo &&
        (!inStyle || mSeen.style == inStyle)) {
        return {};
    }
    if (mState == FileState::Missing || !mLast) {
        mLast.emplace(); // a file removed is started afresh
    }
    mLast->setLong(sFrequencyKey, inFrequency);
    mLast->setBool(sStereoKey, inStereo);
    if (inStyle) {
        mLast->setLong(sStyleKey, *inStyle);
    }
    const WriteResult result = replace(inPath, mState, *mLast);
    if (result.saved()) {
        mState = FileState::Read;
        mSeen = fromDictionary(*mLast);
    }
    return result;
}

} // namespace settings
