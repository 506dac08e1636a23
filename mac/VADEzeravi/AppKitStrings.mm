#import "AppKitStrings.h"

NSString* zzString(const std::string& text)
{
    NSString* string = [[[NSString alloc] initWithBytes:text.data()
                                                 length:text.size()
                                               encoding:NSUTF8StringEncoding] autorelease];
    return string ? string : @"";
}

std::string zzStdString(NSString* text)
{
    if (text == nil) return {};
    const char* utf8 = [text UTF8String];
    return utf8 ? std::string(utf8) : std::string();
}
