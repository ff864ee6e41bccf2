// Mail messages: the general highlighter with the header names, colon included, as its
// keywords.
#include "BedHighlighterList.h"
#include "General.h"

namespace {

void Configure(TBedCustomHighlighter& hl) {
    BedConfigureWordList(hl, {"CONTENT-DESCRIPTION:",
                              "CONTENT-DISPOSITION:",
                              "CONTENT-TRANSFER-ENCODING:",
                              "CONTENT-TYPE:",
                              "DATE:",
                              "ERRORS-TO:",
                              "FROM:",
                              "IN-REPLY-TO:",
                              "MESSAGE-ID:",
                              "MIME-VERSION:",
                              "NEWSGROUPS:",
                              "ORGANIZATION:",
                              "PRIORITY:",
                              "RECEIVED:",
                              "REFERENCES:",
                              "REPLY-TO:",
                              "SENDER:",
                              "STATUS:",
                              "SUBJECT:",
                              "TO:",
                              "VERSION:",
                              "X-COMMENT:",
                              "X-MAILER:",
                              "X-PRIORITY:"});
}

constexpr TBedAttributeSetting kColours[] = {{.property = "CommentAttri", .style = 0},
                                             {.property = "KeyAttri", .foreground = clBlue}};

}  // namespace

constinit const TBedMainWindowInstance kBedMailboxInstance = {"hl_Mailbox", "mailbox1", "mailbox", "",
                                                              kColours,     &Configure, true,      true};
