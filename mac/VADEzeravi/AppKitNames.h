#import <Cocoa/Cocoa.h>

// The AppKit layer uses the current names of AppKit's constants. GNUstep
// 0.29 knows some of them only by their older names; these give it the
// current ones. On a Mac the SDK has them all, and nothing here applies.
#ifdef GNUSTEP

#define NSAlertStyleWarning NSWarningAlertStyle
#define NSAlertStyleInformational NSInformationalAlertStyle
#define NSAlertStyleCritical NSCriticalAlertStyle

#define NSButtonTypeMomentaryPushIn NSMomentaryPushInButton
#define NSButtonTypeSwitch NSSwitchButton
#define NSButtonTypeRadio NSRadioButton

#define NSBezelStyleRounded NSRoundedBezelStyle

#define NSEventModifierFlagCommand NSCommandKeyMask
#define NSEventModifierFlagOption NSAlternateKeyMask
#define NSEventModifierFlagShift NSShiftKeyMask
#define NSEventModifierFlagControl NSControlKeyMask

#define NSBitmapImageFileTypePNG NSPNGFileType

#endif
