// The help topics: title and body text of each topic number.
#pragma once

#include <cstdint>

#include "gui/core/text.h"

struct HelpTopic {
  TextId title;
  TextId body;
};

constexpr uint32_t kFirstHelpTopic = 16;
constexpr uint32_t kHelpTopicCount = 125;
constexpr uint16_t kFaultCategories = 18;

// Topic of an Init parameter; parameters outside 16..140 give topic 16.
HelpTopic HLP_Topic(uint32_t parameter);
// Body text of a fault's help page: by category below 18, else `fallback`.
TextId HLP_FaultBody(uint16_t category, TextId fallback);
