// The toolkit's private window messages stay clear of one another and of the
// runtime's control messages (CM_) and reflected notifications (CN_).
#include <gtest/gtest.h>

#include <set>

#include "Messages.h"
#include "cxMessages.h"

namespace {

TEST(PrivateMessagesTest, NoneCollidesWithARuntimeMessageOrWithAnother) {
  std::set<TcxMessageId> seen;
  for (TcxMessageId message : cxPrivateMessages) {
    EXPECT_TRUE(seen.insert(message).second) << std::hex << message << " is declared twice";
    EXPECT_FALSE(message >= CM_BASE && message <= CM_ISSHORTCUT) << std::hex << message << " is a CM_ message";
    // Every message a parent may reflect, WM_ ids below WM_USER, has its CN_ twin.
    EXPECT_FALSE(message >= CN_BASE && message < CN_BASE + WM_USER) << std::hex << message << " is a CN_ message";
    EXPECT_GE(message, UINT(WM_APP)) << std::hex << message << " lies among the system's messages";
    EXPECT_LT(message, 0xC000u) << std::hex << message << " lies among registered messages";
  }
}

}  // namespace
