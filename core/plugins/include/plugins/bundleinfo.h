#pragma once

#include <string>
#include <string_view>
#include <vector>

// What an installed plug-in bundle says about itself: the Audio Units of an
// Info.plist (its AudioComponents array) and the classes of a VST3 bundle's
// moduleinfo.json. Both readers take the file's bytes and never throw.
namespace zz::plugins {

// One entry of an Info.plist's AudioComponents: hosts know an Audio Unit by
// its type, subtype (the plug-in code) and manufacturer (the company code).
struct AudioComponent {
    std::string type;          // "aufx", "aumu", ...
    std::string subtype;       // the plug-in code
    std::string manufacturer;  // the company code
    std::string name;          // "Acme: Space Delay"; may be empty
};

struct AudioComponentsRead {
    std::vector<AudioComponent> components;
    std::string problem;  // what is wrong with the file, completing "its Info.plist ..."; empty when read
};

// Reads an Info.plist, XML or binary. A property list without AudioComponents
// declares no Audio Unit and is no problem; one whose AudioComponents is not
// an array of dictionaries with type, subtype and manufacturer as texts is.
AudioComponentsRead readAudioComponents(std::string_view plist);

// False in a build without a property-list library: readAudioComponents then
// answers a problem for every file, and the scan leaves Audio Units out.
bool audioUnitsReadable();

// One plug-in class of a VST3 module.
struct Vst3Class {
    std::string name;    // "Space Delay"
    std::string vendor;  // the class's own vendor, else the module's
};

struct Vst3ClassesRead {
    std::vector<Vst3Class> classes;
    std::string problem;  // completing "its moduleinfo.json ..."; empty when read
};

// Reads a moduleinfo.json (comments allowed): its "Classes" of the category
// "Audio Module Class" (or of none), with the vendor of "Factory Info" for a
// class that names none.
Vst3ClassesRead readModuleInfo(std::string_view json);

}  // namespace zz::plugins
