// The yes/no query and its feedback. A query is a table (title, question,
// action, where to go afterwards) plus two short states that hand their
// events to the functions below.
#pragma once

#include "gui/core/text.h"
#include "kernel/hsm.h"

struct QueryDef {
  void (*drawTitle)();
  TextId question;
  void (*onYes)();
  StateHandler query;
  StateHandler feedback;
  StateHandler afterFeedback;  // nullptr: back to the calling list
};

// True when the event was handled.
bool Query_Question(Hsm* me, const Event* e, const QueryDef* def);
bool Query_Feedback(Hsm* me, const Event* e, const QueryDef* def);
bool Query_Answer();
