#import <Cocoa/Cocoa.h>

#import "MainWindow.h"

int main(int argc, const char* argv[])
{
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    // What the main nib holds on a Mac built from Interface Builder: the
    // delegate, the window and its two pages.
    [MainWindow loadWindowDescription];
    [pool release];
    return NSApplicationMain(argc, argv);
}
