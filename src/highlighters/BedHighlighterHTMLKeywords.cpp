#include "BedHighlighterHTML.h"

namespace {

constexpr const char* kTags[] = {
    "A", "B", "DD", "I", "H1", "H2", "H3", "H4", "H5", "H6", "DL", "P", "KBD", "Q", "BIG", "EM",
    "HEAD", "S", "BR", "DEL", "LI", "U", "ABBR", "DFN", "DT", "TD", "AREA", "HR", "BASE",
    "CODE", "OL", "TH", "EMBED", "IMG", "COL", "MAP", "DIR", "LABEL", "UL", "DIV", "CITE",
    "THEAD", "TR", "META", "PRE", "TABLE", "TT", "var", "INS", "SUB", "FRAME", "WBR", "BODY",
    "LINK", "LEGend", "BLINK", "NOBR", "PARAM", "SAMP", "SPAN", "FORM", "IFRAME", "HTML",
    "MENU", "XMP", "FONT", "object", "SUP", "SMALL", "NOEMBED", "LAYER", "SPACER", "SELECT",
    "CENTER", "TBODY", "TITLE", "KEYGEN", "ADDRESS", "APPLET", "ILAYER", "NEXTID", "TFOOT",
    "CAPTION", "FIELDSET", "INPUT", "MARQUEE", "STYLE", "BASEFONT", "BGSOUND", "STRIKE",
    "COMMENT", "ISINDEX", "SCRIPT", "SERVER", "FRAMESET", "ACRONYM", "OPTION", "LISTING",
    "NOLAYER", "NOFRAMES", "BUTTON", "STRONG", "TEXTAREA", "MULTICOL", "COLGROUP", "NOSCRIPT",
    "BLOCKQUOTE", "PLAINTEXT", "/A", "/B", "/DD", "/I", "/H1", "/H2", "/H3", "/H4", "/H5",
    "/H6", "/DL", "/P", "/KBD", "/Q", "/BIG", "/EM", "/HEAD", "/S", "/DEL", "/LI", "/U",
    "/ABBR", "/DFN", "/DT", "/TD", "/CODE", "/OL", "/TH", "/EMBED", "/MAP", "/DIR", "/LABEL",
    "/UL", "/DIV", "/CITE", "/THEAD", "/TR", "/PRE", "/TABLE", "/TT", "/var", "/INS", "/SUB",
    "/BODY", "/LEGend", "/BLINK", "/NOBR", "/SAMP", "/SPAN", "/FORM", "/IFRAME", "/HTML",
    "/MENU", "/XMP", "/FONT", "/object", "/SUP", "/SMALL", "/NOEMBED", "/LAYER", "/SELECT",
    "/CENTER", "/TBODY", "/TITLE", "/ADDRESS", "/APPLET", "/ILAYER", "/TFOOT", "/CAPTION",
    "/FIELDSET", "/MARQUEE", "/STYLE", "/STRIKE", "/COMMENT", "/SCRIPT", "/FRAMESET",
    "/SERVER", "/ACRONYM", "/OPTION", "/LISTING", "/NOLAYER", "/NOFRAMES", "/BUTTON",
    "/STRONG", "/TEXTAREA", "/MULTICOL", "/COLGROUP", "/NOSCRIPT", "/BLOCKQUOTE", "!DOCTYPE"};

// In matching order; "&divide" has no ";", so it also takes the start of "&dividend".
constexpr std::string_view kEntities[] = {
    "&amp;", "&lt;", "&gt;", "&quot;", "&trade;", "&nbsp;", "&copy;", "&reg;", "&Agrave;",
    "&Aacute;", "&Acirc;", "&Atilde;", "&Auml;", "&Aring;", "&AElig;", "&Ccedil;", "&Egrave;",
    "&Eacute;", "&Ecirc;", "&Euml;", "&Igrave;", "&Iacute;", "&Icirc;", "&Iuml;", "&ETH;",
    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;", "&Otilde;", "&Ouml;", "&Oslash;",
    "&Ugrave;", "&Uacute;", "&Ucirc;", "&Uuml;", "&Yacute;", "&THORN;", "&szlig;", "&agrave;",
    "&aacute;", "&acirc;", "&atilde;", "&auml;", "&aring;", "&aelig;", "&ccedil;", "&egrave;",
    "&eacute;", "&ecirc;", "&euml;", "&igrave;", "&iacute;", "&icirc;", "&iuml;", "&eth;",
    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;", "&otilde;", "&ouml;", "&oslash;",
    "&ugrave;", "&uacute;", "&ucirc;", "&uuml;", "&yacute;", "&thorn;", "&yuml;", "&iexcl;",
    "&cent;", "&pound;", "&curren;", "&yen;", "&brvbar;", "&sect;", "&uml;", "&ordf;",
    "&laquo;", "&shy;", "&macr;", "&deg;", "&plusmn;", "&sup2;", "&sup3;", "&acute;",
    "&micro;", "&middot;", "&cedil;", "&sup1;", "&ordm;", "&raquo;", "&frac14;", "&frac12;",
    "&frac34;", "&iquest;", "&times;", "&divide", "&euro;", "&#9;", "&#127;", "&#128;",
    "&#129;", "&#130;", "&#131;", "&#132;", "&ldots;", "&#134;", "&#135;", "&#136;", "&#137;",
    "&#138;", "&#139;", "&#140;", "&#141;", "&#142;", "&#143;", "&#144;", "&#152;", "&#153;",
    "&#154;", "&#155;", "&#156;", "&#157;", "&#158;", "&#159;", "&#161;", "&#162;", "&#163;",
    "&#164;", "&#165;", "&#166;", "&#167;", "&#168;", "&#170;", "&#175;", "&#176;", "&#177;",
    "&#178;", "&#180;", "&#181;", "&#183;", "&#184;", "&#185;", "&#186;", "&#188;", "&#189;",
    "&#190;", "&#191;", "&#215;"};

}  // namespace

std::span<const char* const> BedHTMLTags() { return kTags; }

std::span<const std::string_view> BedHTMLEntities() { return kEntities; }
