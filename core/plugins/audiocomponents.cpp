// The AudioComponents of an Info.plist, read with libplist (XML and binary).
#include <cstdint>
#include <memory>

#include <plist/plist.h>

#include "plugins/bundleinfo.h"

namespace zz::plugins {

namespace {

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistHold = std::unique_ptr<void, PlistFree>;

// The text of the dictionary entry `key`; false when there is none or it is
// not a text.
bool textOf(plist_t dict, const char* key, std::string& text)
{
    const plist_t node = plist_dict_get_item(dict, key);
    if (!node || plist_get_node_type(node) != PLIST_STRING) return false;
    uint64_t length = 0;
    const char* bytes = plist_get_string_ptr(node, &length);
    text.assign(bytes ? bytes : "", bytes ? length : 0);
    return true;
}

}  // namespace

bool audioUnitsReadable() { return true; }

AudioComponentsRead readAudioComponents(std::string_view plist)
{
    AudioComponentsRead read;
    plist_t root = nullptr;
    if (!plist.empty() && plist.size() <= UINT32_MAX)
        plist_from_memory(plist.data(), static_cast<uint32_t>(plist.size()), &root);
    const PlistHold hold(root);
    if (!root) {
        read.problem = "is not a property list";
        return read;
    }
    if (plist_get_node_type(root) != PLIST_DICT) {
        read.problem = "is not a dictionary";
        return read;
    }
    const plist_t list = plist_dict_get_item(root, "AudioComponents");
    if (!list) return read;  // no Audio Unit, or one of the old kind
    if (plist_get_node_type(list) != PLIST_ARRAY) {
        read.problem = "has an AudioComponents that is not an array";
        return read;
    }
    const uint32_t count = plist_array_get_size(list);
    for (uint32_t i = 0; i < count; ++i) {
        const plist_t entry = plist_array_get_item(list, i);
        AudioComponent unit;
        const bool whole = entry && plist_get_node_type(entry) == PLIST_DICT && textOf(entry, "type", unit.type) &&
                           textOf(entry, "subtype", unit.subtype) &&
                           textOf(entry, "manufacturer", unit.manufacturer);
        if (!whole) {
            read.components.clear();
            read.problem = "has an AudioComponents entry without type, subtype and manufacturer texts";
            return read;
        }
        textOf(entry, "name", unit.name);
        read.components.push_back(std::move(unit));
    }
    return read;
}

}  // namespace zz::plugins
