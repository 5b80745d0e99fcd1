// The password prompt that guards the administration program: retries,
// Cancel, the master password and a facility without its Center record.

#include "admin/core/passwordgate.h"
#include "db/daocenter.h"

#include "support/facility.h"

#include <gtest/gtest.h>

#include <deque>

using namespace vantora;
using namespace vantora::test;

namespace {

// Answers the prompt from a list; an empty optional stands for Cancel.
struct ScriptedPrompt {
    std::deque<std::optional<std::string>> entries;
    int asked = 0;
    std::optional<std::string> operator()() {
        ++asked;
        if (entries.empty())
            return std::nullopt;
        auto e = entries.front();
        entries.pop_front();
        return e;
    }
};

bool verify(ScriptedPrompt& prompt) {
    return CPasswordGate::Verify([&prompt] { return prompt(); });
}

} // namespace

TEST(PasswordGate, WrongPasswordsWithRetryKeepAskingUntilTheRightOne) {
    Facility f("Gym", "Secret");
    f.notices().answer(notice::Answer::Retry);
    f.notices().answer(notice::Answer::Retry);
    f.notices().answer(notice::Answer::Retry);
    ScriptedPrompt prompt{{"wrong", "secret", "SECRET", "Secret"}};
    EXPECT_TRUE(verify(prompt));
    EXPECT_EQ(prompt.asked, 4);
    ASSERT_EQ(f.notices().count(), 3u);
    for (const auto& e : f.notices().entries()) {
        EXPECT_EQ(e.text, CPasswordGate::MsgWrong);
        EXPECT_TRUE(e.question);
        EXPECT_EQ(e.buttons, notice::Buttons::RetryCancel);
    }
}

TEST(PasswordGate, CancelEndsTheProgramAtAnyPoint) {
    Facility f("Gym", "Secret");
    {
        // Cancel in the prompt itself: no message.
        ScriptedPrompt prompt{{std::nullopt}};
        EXPECT_FALSE(verify(prompt));
        EXPECT_EQ(f.notices().count(), 0u);
    }
    {
        // Cancel after three wrong entries.
        f.notices().answer(notice::Answer::Retry);
        f.notices().answer(notice::Answer::Retry);
        f.notices().answer(notice::Answer::Cancel);
        ScriptedPrompt prompt{{"a", "b", "c", "Secret"}};
        EXPECT_FALSE(verify(prompt));
        EXPECT_EQ(prompt.asked, 3);
    }
    {
        // Cancel in the prompt after a retry.
        f.notices().clear();
        f.notices().answer(notice::Answer::Retry);
        ScriptedPrompt prompt{{"a", std::nullopt}};
        EXPECT_FALSE(verify(prompt));
        EXPECT_EQ(prompt.asked, 2);
        EXPECT_EQ(f.notices().count(), 1u);
    }
}

TEST(PasswordGate, MasterPasswordOpensWhateverIsStored) {
    Facility f("Gym", "Secret");
    ScriptedPrompt prompt{{std::string(CDAOCenter::MasterPassword)}};
    EXPECT_TRUE(verify(prompt));
    EXPECT_EQ(f.notices().count(), 0u);
    // Only exactly: another letter case is a wrong password.
    ScriptedPrompt upper{{"VEGA"}};
    EXPECT_FALSE(verify(upper));
    EXPECT_EQ(f.notices().last(), CPasswordGate::MsgWrong);
}

TEST(PasswordGate, FacilityWithoutCenterRecordEndsBeforeAsking) {
    Facility f("Gym", "Secret");
    ASSERT_TRUE(f.exec("center.mdb", "DELETE FROM Center"));
    ScriptedPrompt prompt{{"Secret"}};
    EXPECT_FALSE(verify(prompt));
    EXPECT_EQ(prompt.asked, 0);
    EXPECT_EQ(f.notices().texts(),
              std::vector<std::string>{"Error: could not retrieve data from center recordset."});
}

TEST(PasswordGate, UnsetStoreFolderIsOneMessageBeforeAskingBackupFolderIsNotNeeded) {
    {
        Facility f("Gym", "Secret");
        ScopedEnv unset("VANTO_DB", nullptr);
        ScriptedPrompt prompt{{"Secret"}};
        EXPECT_FALSE(verify(prompt));
        EXPECT_EQ(prompt.asked, 0);
        EXPECT_EQ(
            f.notices().texts(),
            std::vector<std::string>{"Error: system environment variable \"VANTO_DB\" is not set"});
    }
    Facility f("Gym", "Secret");
    ScopedEnv unset("VANTO_BACK", nullptr);
    ScriptedPrompt prompt{{"Secret"}};
    EXPECT_TRUE(verify(prompt));
    EXPECT_TRUE(f.notices().texts().empty());
}
