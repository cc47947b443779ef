// Text as HTML and SVG hold it.
#pragma once

#include <string>

// The text with "&", "<", ">", '"' and "'" written as references, so that it reads as text in an
// element or an attribute's value.
std::string HtmlEscaped(const std::string& text);
