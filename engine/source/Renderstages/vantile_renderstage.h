// One step of the frame pipeline, run in list order by the render queue.
#pragma once

namespace Vantile {

class IRenderStage {
public:
    virtual ~IRenderStage() = default;
    virtual void Render() = 0;
};

}  // namespace Vantile
