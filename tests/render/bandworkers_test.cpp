// Jobs handed to the band workers all run, once each, before run() returns.

#include "render/bandworkers.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace qel;

TEST(BandWorkers, EveryJobRunsOnceBeforeRunReturns) {
    for (int workers : {0, 1, 3})
        for (int count : {1, 2, 5, 16}) {
            BandWorkers pool(workers);
            for (int round = 0; round < 50; ++round) {
                std::vector<int> ran(std::size_t(count), 0); // on this stack, gone after run()
                pool.run(count, [&](int job) { ++ran[std::size_t(job)]; });
                EXPECT_EQ(ran, std::vector<int>(std::size_t(count), 1));
            }
        }
}

TEST(BandWorkers, AFailingJobReachesTheCaller) {
    BandWorkers pool(1);
    EXPECT_THROW(pool.run(3,
                          [](int job) {
                              if (job == 2) throw std::runtime_error("band");
                          }),
                 std::runtime_error);
    int ran = 0;
    pool.run(1, [&](int) { ++ran; });
    EXPECT_EQ(ran, 1);
}
