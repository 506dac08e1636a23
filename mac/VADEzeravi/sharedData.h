#import <Cocoa/Cocoa.h>

// The one object through which the two pages find each other. The smoothing
// settings live in the portable zz::mac::SharedData of the process, so that
// the pages' C++ side and this object always agree.
@interface sharedData : NSObject {
    NSViewController* koderPage;
    NSViewController* projectPage;
}

+ (sharedData*)getSharedData;
- (void)initialize;

- (BOOL)enableParameterSmoothing;
- (void)setEnableParameterSmoothing:(BOOL)enable;
- (double)smoothingTime_mSec;
- (void)setSmoothingTime_mSec:(double)msec;
- (NSViewController*)koderPage;
- (void)setKoderPage:(NSViewController*)page;
- (NSViewController*)projectPage;
- (void)setProjectPage:(NSViewController*)page;

@end
