#import <Cocoa/Cocoa.h>

// GNUstep never asks a formatter about a partial edit and keeps a refused
// one. The filtered fields there get this delegate, which puts back the last
// accepted text (or the upper-case form) after an edit that the field's
// CustomTextFieldFormatter refuses. Built for GNUstep only: on a Mac the
// formatter filters the edits itself.
@interface GNUstepEditFilter : NSObject {
    NSMutableDictionary* accepted;
}
@end
