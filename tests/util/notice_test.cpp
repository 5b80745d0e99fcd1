#include "util/notice.h"

#include <gtest/gtest.h>

using namespace vantora::notice;

TEST(Notices, RecorderKeepsTextsAndAnswersFromItsScript) {
    auto recorder = std::make_shared<Recorder>();
    ScopedHandler guard(recorder);
    recorder->answer(Answer::No);
    recorder->answer(Answer::Retry);
    show("Error: first", Icon::Exclamation);
    EXPECT_EQ(Answer::No, ask("Delete?", Buttons::YesNo));
    EXPECT_EQ(Answer::Retry, ask("Try again?", Buttons::RetryCancel, Icon::Stop));
    EXPECT_EQ(Answer::Cancel, ask("Script used up", Buttons::OkCancel));
    recorder->setFallback(Answer::Yes);
    EXPECT_EQ(Answer::Yes, ask("Fallback", Buttons::YesNo));

    ASSERT_EQ(5u, recorder->count());
    EXPECT_EQ("Error: first", recorder->entries()[0].text);
    EXPECT_FALSE(recorder->entries()[0].question);
    EXPECT_EQ(Icon::Exclamation, recorder->entries()[0].icon);
    EXPECT_TRUE(recorder->entries()[2].question);
    EXPECT_EQ(Buttons::RetryCancel, recorder->entries()[2].buttons);
    EXPECT_EQ(Icon::Stop, recorder->entries()[2].icon);
    EXPECT_EQ(Icon::Question, recorder->entries()[1].icon);
    EXPECT_EQ("Fallback", recorder->last());
    recorder->clear();
    EXPECT_EQ(0u, recorder->count());
    EXPECT_EQ("", recorder->last());
}

TEST(Notices, GuardsNestAndRestoreThePreviousHandler) {
    auto outer = std::make_shared<Recorder>();
    auto inner = std::make_shared<Recorder>();
    {
        ScopedHandler a(outer);
        {
            ScopedHandler b(inner);
            EXPECT_EQ(inner, handler());
            show("inner");
        }
        EXPECT_EQ(outer, handler());
        show("outer");
    }
    EXPECT_EQ(std::vector<std::string>{"inner"}, inner->texts());
    EXPECT_EQ(std::vector<std::string>{"outer"}, outer->texts());
    EXPECT_NE(nullptr, std::dynamic_pointer_cast<StderrHandler>(handler()));
}

TEST(Notices, StderrHandlerTakesTheAffirmativeButton) {
    StderrHandler h;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Answer::Yes, h.ask("Continue?", Buttons::YesNoCancel, Icon::Question));
    EXPECT_EQ(Answer::Retry, h.ask("Again?", Buttons::RetryCancel, Icon::Stop));
    EXPECT_EQ(Answer::Ok, h.ask("Go?", Buttons::OkCancel, Icon::None));
    h.show("Error: disk full", Icon::Exclamation);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, err.find("Continue?"));
    EXPECT_NE(std::string::npos, err.find("Error: disk full"));
}
