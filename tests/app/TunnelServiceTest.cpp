#include "platform/TunnelService.h"

#include <gtest/gtest.h>

using namespace vantorel;

TEST(TunnelService, ReportsUnavailableSynchronouslyAndOnlyToItsCurrentReceiver) {
    TunnelService service;
    service.reportStatus(); // no receiver yet: nothing happens
    EXPECT_FALSE(service.hasObserver());

    int firstCalls = 0;
    service.setChanged([&](TunnelPhase, std::optional<QDateTime>, std::optional<Uuid>) { ++firstCalls; });
    std::vector<std::tuple<TunnelPhase, bool, bool>> reports;
    service.setChanged([&](TunnelPhase phase, std::optional<QDateTime> since, std::optional<Uuid> location) {
        reports.emplace_back(phase, since.has_value(), location.has_value());
    });
    service.reportStatus();
    EXPECT_EQ(firstCalls, 0);
    ASSERT_EQ(reports.size(), 1u); // delivered before reportStatus returned
    EXPECT_EQ(reports[0], std::make_tuple(TunnelPhase::unavailable, false, false));

    service.setChanged({});
    service.reportStatus();
    EXPECT_EQ(reports.size(), 1u);
}
