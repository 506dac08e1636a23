#import <Foundation/Foundation.h>

#include <string>

// Texts cross between the pages (UTF-8 std::string) and AppKit (NSString)
// here only.
NSString* zzString(const std::string& text);
std::string zzStdString(NSString* text);
