// The two builds of the engine: QlMetr prints metres, QlEngl prints feet.
// Both read and compute in feet.
#pragma once

namespace quillon::engine {

enum class EngineVariant { Metric, English };

}  // namespace quillon::engine
