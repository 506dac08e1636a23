#import "GNUstepEditFilter.h"

#import "CustomTextFieldFormatter.h"

@implementation GNUstepEditFilter

- (void)stopWatching
{
    if (editor != nil) {
        [[NSNotificationCenter defaultCenter] removeObserver:self
                                                        name:NSTextViewDidChangeSelectionNotification
                                                      object:editor];
    }
    editor = nil;
    field = nil;
    [acceptedText release];
    acceptedText = nil;
}

- (void)accept:(NSString*)text selection:(NSRange)selection
{
    [acceptedText release];
    acceptedText = [text copy];
    acceptedSelection = selection;
}

- (void)dealloc
{
    [self stopWatching];
    [super dealloc];
}

// The notice comes before the first change of an edit is made, so the field
// editor still shows the field's text and the selection it is typed over.
- (void)controlTextDidBeginEditing:(NSNotification*)notification
{
    [self stopWatching];
    field = [notification object];
    editor = [[notification userInfo] objectForKey:@"NSFieldEditor"];
    if (editor == nil) editor = [field currentEditor];
    if (editor == nil) return;
    [self accept:[field stringValue] selection:[editor selectedRange]];
    [[NSNotificationCenter defaultCenter] addObserver:self
                                             selector:@selector(selectionDidChange:)
                                                 name:NSTextViewDidChangeSelectionNotification
                                               object:editor];
}

// The caret or selection moved without an edit (arrow keys, a click): a
// refused edit puts it back there.
- (void)selectionDidChange:(NSNotification*)notification
{
    (void)notification;
    if ([editor delegate] == field && [[editor string] isEqualToString:acceptedText]) {
        acceptedSelection = [editor selectedRange];
    }
}

- (void)controlTextDidChange:(NSNotification*)notification
{
    if ([notification object] != field || editor == nil) return;
    id formatter = [field formatter];
    if (![formatter isKindOfClass:[CustomTextFieldFormatter class]]) return;
    NSString* proposed = [[[editor string] copy] autorelease];
    NSString* replacement = nil;
    if ([(CustomTextFieldFormatter*)formatter acceptsProposedString:proposed replacement:&replacement]) {
        [self accept:proposed selection:[editor selectedRange]];
        return;
    }
    if (replacement != nil) {
        // The upper-case form of the edit, with the edit's caret.
        const NSRange selection = [editor selectedRange];
        [self accept:replacement selection:selection];
    }
    const NSRange selection = acceptedSelection;
    NSString* previous = acceptedText ? acceptedText : @"";
    [editor setString:previous];
    const NSUInteger length = [previous length];
    const NSUInteger location = selection.location < length ? selection.location : length;
    const NSUInteger end = NSMaxRange(selection) < length ? NSMaxRange(selection) : length;
    [editor setSelectedRange:NSMakeRange(location, end - location)];
}

- (void)controlTextDidEndEditing:(NSNotification*)notification
{
    if ([notification object] == field) [self stopWatching];
}

@end
