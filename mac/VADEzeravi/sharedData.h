#import <Cocoa/Cocoa.h>

// The one object of the process that holds both pages and the smoothing
// settings the project page hands to the coder page (a class name in lower
// case, as the pages have always called it). The settings live in the
// portable zz::mac::PageLink, so that the pages' logic and this object agree.
@interface sharedData : NSObject {
    NSViewController* koderPage;  // the control coder page, spelled with a k
    NSViewController* projectPage;
}

+ (sharedData*)getSharedData;
- (void)initialize;

- (BOOL)enableParameterSmoothing;
- (void)setEnableParameterSmoothing:(BOOL)enable;
- (double)smoothingTime_mSec;
- (void)setSmoothingTime_mSec:(double)msec;
// The pages as they registered; nothing reads them back (the pages' logic has a link of its own).
- (NSViewController*)koderPage;
- (void)setKoderPage:(NSViewController*)page;
- (NSViewController*)projectPage;
- (void)setProjectPage:(NSViewController*)page;

@end
