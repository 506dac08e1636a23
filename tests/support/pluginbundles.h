#pragma once

// Installed plug-in bundles as tests and benchmarks make them in their own
// folders: Audio Units (*.component with an Info.plist, XML or binary) and
// VST3 bundles (*.vst3 with a moduleinfo.json). Binary property lists are
// written with libplist (link zz_libplist).
#include <plist/plist.h>

#include <string>
#include <vector>

#include "tempfolder.h"

namespace zz::testing {

// One AudioComponents entry: type, subtype, manufacturer, name.
struct Component {
    std::string type, subtype, manufacturer, name;
};

inline std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

// An Info.plist in XML declaring `components`.
inline std::string audioUnitPlist(const std::vector<Component>& components)
{
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n<dict>\n"
        "\t<key>CFBundlePackageType</key>\n\t<string>BNDL</string>\n"
        "\t<key>AudioComponents</key>\n\t<array>\n";
    for (const Component& c : components)
        xml += "\t\t<dict>\n\t\t\t<key>type</key><string>" + xmlEscaped(c.type) +
               "</string>\n\t\t\t<key>subtype</key><string>" + xmlEscaped(c.subtype) +
               "</string>\n\t\t\t<key>manufacturer</key><string>" + xmlEscaped(c.manufacturer) +
               "</string>\n\t\t\t<key>name</key><string>" + xmlEscaped(c.name) +
               "</string>\n\t\t\t<key>version</key><integer>65536</integer>\n\t\t</dict>\n";
    return xml + "\t</array>\n</dict>\n</plist>\n";
}

// The same property list in binary form.
inline std::string binaryPlist(const std::string& xml)
{
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    char* bytes = nullptr;
    uint32_t length = 0;
    if (root) plist_to_bin(root, &bytes, &length);
    std::string binary = bytes ? std::string(bytes, length) : std::string();
    if (bytes) plist_to_bin_free(bytes);
    if (root) plist_free(root);
    return binary;
}

// folder/NAME.component/Contents/Info.plist holding `plist`.
inline void writeAudioUnit(const std::string& folder, const std::string& name, const std::string& plist)
{
    writeBytes(folder + "/" + name + ".component/Contents/Info.plist", plist);
}

// A moduleinfo.json of one module by `vendor` with audio classes of `names`
// (and the controller class that goes with each).
inline std::string moduleInfo(const std::string& vendor, const std::vector<std::string>& names)
{
    std::string json = "// written by the plug-in's build\n{\n  \"Name\": \"Module\",\n  \"Version\": \"1.0.0\",\n"
                       "  \"Factory Info\": {\"Vendor\": \"" + vendor + "\", \"URL\": \"\", \"E-Mail\": \"\"},\n"
                       "  \"Classes\": [";
    for (size_t i = 0; i < names.size(); ++i)
        json += std::string(i ? "," : "") + "\n    {\"CID\": \"00\", \"Category\": \"Audio Module Class\", \"Name\": \"" +
                names[i] + "\", \"Sub Categories\": [\"Fx\"]},\n    /* its editor */ {\"CID\": \"01\", "
                "\"Category\": \"Component Controller Class\", \"Name\": \"" + names[i] + "\"}";
    return json + "\n  ]\n}\n";
}

// folder/NAME.vst3/Contents/Resources/moduleinfo.json holding `json`.
inline void writeVst3(const std::string& folder, const std::string& name, const std::string& json)
{
    writeBytes(folder + "/" + name + ".vst3/Contents/Resources/moduleinfo.json", json);
}

}  // namespace zz::testing
