// The classes of a VST3 bundle's moduleinfo.json, read with nlohmann-json.
#include <nlohmann/json.hpp>

#include "plugins/bundleinfo.h"

namespace zz::plugins {

namespace {

using Json = nlohmann::json;

// The text of `object[key]`; "" when there is none or it is no text.
std::string textOf(const Json& object, const char* key)
{
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

}  // namespace

Vst3ClassesRead readModuleInfo(std::string_view json)
{
    Vst3ClassesRead read;
    const Json root = Json::parse(json.begin(), json.end(), nullptr, /*allow_exceptions=*/false,
                                  /*ignore_comments=*/true);
    if (root.is_discarded()) {
        read.problem = "is not valid JSON";
        return read;
    }
    if (!root.is_object()) {
        read.problem = "is not a JSON object";
        return read;
    }
    std::string moduleVendor;
    if (const auto factory = root.find("Factory Info"); factory != root.end() && factory->is_object())
        moduleVendor = textOf(*factory, "Vendor");
    const auto classes = root.find("Classes");
    if (classes == root.end()) return read;
    if (!classes->is_array()) {
        read.problem = "has Classes that are not an array";
        return read;
    }
    for (const Json& c : *classes) {
        if (!c.is_object()) {
            read.classes.clear();
            read.problem = "has a class that is not an object";
            return read;
        }
        const auto category = c.find("Category");
        if (category != c.end() && !(category->is_string() && *category == "Audio Module Class")) continue;
        Vst3Class plugin{textOf(c, "Name"), textOf(c, "Vendor")};
        if (plugin.vendor.empty()) plugin.vendor = moduleVendor;
        if (!plugin.name.empty()) read.classes.push_back(std::move(plugin));
    }
    return read;
}

}  // namespace zz::plugins
