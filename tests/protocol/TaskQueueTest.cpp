#include "protocol/TaskQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace quillon {
namespace {

TEST(TaskQueueTest, KeepsOrderAndDuplicates) {
    TaskQueue queue;
    for (int id : {6, 6, 99, 1}) {
        queue.Enqueue(id);
    }
    std::vector<int> taken;
    int id = 0;
    while (queue.TryTake(id)) {
        taken.push_back(id);
    }
    EXPECT_EQ(taken, (std::vector<int>{6, 6, 99, 1}));
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(queue.TryTake(id));
}

TEST(TaskQueueTest, ProducersAndAConsumerLoseNothingAndWakeOncePerEnqueue) {
    TaskQueue queue;
    std::atomic<int> wakes = 0;
    queue.SetWakeHandler([&] { ++wakes; });
    constexpr int kPerProducer = 2000;
    std::vector<std::thread> producers;
    for (int p = 0; p < 2; ++p) {
        producers.emplace_back([&queue, p] {
            for (int i = 0; i < kPerProducer; ++i) {
                queue.Enqueue(p * kPerProducer + i);
            }
        });
    }
    std::vector<int> lastSeen(2, -1);
    int taken = 0;
    bool ordered = true;
    while (taken < 2 * kPerProducer) {
        int id = 0;
        if (queue.TryTake(id)) {
            int producer = id / kPerProducer;
            ordered = ordered && id > lastSeen[producer];
            lastSeen[producer] = id;
            ++taken;
        }
    }
    for (std::thread& producer : producers) {
        producer.join();
    }
    EXPECT_TRUE(ordered);  // each producer's ids come out in the order it queued them
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(wakes, 2 * kPerProducer);
}

}  // namespace
}  // namespace quillon
