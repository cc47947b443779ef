// The clipboard's "HTML Format": an HTML fragment behind the header that says where the HTML and
// the fragment begin and end.
#pragma once

#include <string>

// The fragment (UTF-8) in a minimal document, behind the header "Version:0.9" and the byte
// offsets StartHTML, EndHTML, StartFragment and EndFragment, each ten digits; the fragment stands
// between the <!--StartFragment--> and <!--EndFragment--> comments.
std::string ClipboardHtml(const std::string& fragment);
