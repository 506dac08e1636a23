#import <Cocoa/Cocoa.h>

@class AppDelegate;
@class ViewController;
@class ControlCoderPage;

// The window description: what a nib would hold. It creates the application
// delegate, the window of 870 by 460 points, the page switcher and the two
// pages, and connects them.
@interface MainWindow : NSObject {
    AppDelegate* delegate;
    NSWindow* window;
    NSTabView* pages;
    ViewController* projectPage;
    ControlCoderPage* coderPage;
}

+ (MainWindow*)loadWindowDescription;
- (NSWindow*)window;
- (ViewController*)projectPage;
- (ControlCoderPage*)coderPage;

@end
