#pragma once

// Clickable web and mail addresses in the report text. A report window hooks
// its rich text box when it loads and unhooks it when it unloads; while
// hooked, a left button press on an address opens it in the browser or mail
// program. One box is hooked at a time.

class QWidget;

namespace tessavo {

class RichTextBox;

// Turns link detection on in `rtb` and opens an address pressed with the left
// button. The press still reaches the box. Hooking again first unhooks the
// box hooked before.
void HookRichTextLinks(RichTextBox *rtb, QWidget *host);

// Turns link detection off again; does nothing when nothing is hooked.
void UnhookRichTextLinks();

bool richTextLinksHooked();

} // namespace tessavo
