#include "fuel/ClimbDescentSpeeds.h"

#include <cmath>
#include <cstdint>

#include "platform/IntegerText.h"

namespace {

constexpr double kSpeedCap = 340.0;
constexpr float kPerThreeHundredKnots = 0.0033333334f;

std::int32_t CappedSpeed(double sum) {
    double speed = std::floor(sum);
    return TruncateToInt(speed >= kSpeedCap ? kSpeedCap : speed);
}

}  // namespace

ClimbDescentSpeeds SpeedsFor(std::int32_t altitude, std::int32_t costIndex) {
    // 64 bits so that no typed altitude can overflow the subtraction.
    const double altitudeTerm = static_cast<double>((std::int64_t{33000} - altitude) / 1000);
    ClimbDescentSpeeds speeds{};
    speeds.climbSpeed = CappedSpeed(altitudeTerm + 0.38 * costIndex + 281.5);
    speeds.descentSpeed = CappedSpeed(altitudeTerm + 1.18 * costIndex + 241.5);
    speeds.climbRatio = static_cast<float>(speeds.climbSpeed * static_cast<double>(kPerThreeHundredKnots));
    speeds.descentRatio = static_cast<float>(speeds.descentSpeed * static_cast<double>(kPerThreeHundredKnots));
    return speeds;
}
