// The settings reader over arbitrary bytes: the bounds a list must keep before libplist parses
// it, libplist itself, the pane's value conversions, and writing back what was read.
#include "host/LibPlist.h"
#include "host/PlistTree.h"
#include "host/PropertyList.h"
#include "settings/Settings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

struct Shape {
    std::size_t containers = 0;
    std::size_t values = 0; // keys included
};

// Measured on the tree libplist builds, without recursion.
Shape shapeOf(plist_t inRoot) {
    Shape shape;
    std::vector<plist_t> pending{inRoot};
    while (!pending.empty()) {
        plist_t node = pending.back();
        pending.pop_back();
        ++shape.values;
        if (plist_get_node_type(node) == PLIST_DICT) {
            ++shape.containers;
            plist_dict_iter it = nullptr;
            plist_dict_new_iter(node, &it);
            for (;;) {
                plist_t value = nullptr;
                // Without the key: libplist's key getter asserts on a key holding U+0000.
                plist_dict_next_item(node, it, nullptr, &value);
                if (value == nullptr) {
                    break;
                }
                ++shape.values;
                pending.push_back(value);
            }
            std::free(it);
        } else if (plist_get_node_type(node) == PLIST_ARRAY) {
            ++shape.containers;
            plist_array_iter it = nullptr;
            plist_array_new_iter(node, &it);
            for (plist_t item = nullptr; plist_array_next_item(node, it, &item), item != nullptr;) {
                pending.push_back(item);
            }
            std::free(it);
        }
    }
    return shape;
}

[[noreturn]] void fail(const char* inWhat) {
    std::fprintf(stderr, "fuzz_settings: %s\n", inWhat);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* inData, std::size_t inSize) {
    const QByteArray bytes(reinterpret_cast<const char*>(inData), static_cast<qsizetype>(inSize));
    auto dict = host::Dictionary::fromData(bytes);
    if (!dict) {
        return 0;
    }

    // What was let through is within the bounds as libplist really builds it.
    plist_t root =
        host::libplist::fromMemory(bytes.constData(), static_cast<std::uint32_t>(bytes.size()));
    if (root == nullptr) {
        fail("read once, but not a second time");
    }
    const Shape shape = shapeOf(root);
    if (shape.containers > host::Dictionary::sMaxContainers) {
        fail("more dictionaries and arrays than the bounds allow");
    }
    if (shape.values > host::Dictionary::sMaxValues) {
        fail("more values than the bounds allow");
    }

    // A list holding a value libplist cannot keep as it is, is kept as libplist writes it back:
    // that is what the other keys are compared with.
    if (!dict->readExactly()) {
        const std::optional<QByteArray> kept = dict->toData();
        if (!kept) {
            fail("a settings file read as libplist keeps it cannot be written back");
        }
        plist_free(root);
        root =
            host::libplist::fromMemory(kept->constData(), static_cast<std::uint32_t>(kept->size()));
    }

    // As the pane does: read, then write back the frequency and a changed stereo choice.
    const settings::Stored stored = settings::fromDictionary(*dict);
    const SInt32 frequency = stored.frequency.value_or(88100);
    const bool stereo = !stored.stereo.value_or(true);
    dict->setLong(settings::sFrequencyKey, frequency);
    dict->setBool(settings::sStereoKey, stereo);
    const std::optional<QByteArray> written = dict->toData();
    if (!written) {
        fail("a settings file as read cannot be written back");
    }
    if (written->size() > host::Dictionary::sMaxSize) {
        fail("a settings file as read is too large to be written back");
    }
    const auto again = host::Dictionary::fromData(*written);
    if (!again) {
        fail("a settings file as written does not read back");
    }
    const settings::Stored reread = settings::fromDictionary(*again);
    if (reread.frequency != frequency || reread.stereo != stereo) {
        fail("the frequency or stereo choice written does not read back");
    }
    // Every other key survives exactly, and no key is added but the pane's two.
    plist_t writtenRoot = host::libplist::fromMemory(written->constData(),
                                                     static_cast<std::uint32_t>(written->size()));
    plist_dict_remove_item(root, settings::sFrequencyKey);
    plist_dict_remove_item(root, settings::sStereoKey);
    plist_dict_remove_item(writtenRoot, settings::sFrequencyKey);
    plist_dict_remove_item(writtenRoot, settings::sStereoKey);
    const bool kept = host::libplist::sameTree(root, writtenRoot);
    plist_free(root);
    plist_free(writtenRoot);
    if (!kept) {
        fail("another key changed on the way through a write");
    }
    return 0;
}
