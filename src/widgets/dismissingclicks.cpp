#include "widgets/dismissingclicks.h"

#include "widgets/hotspot.h"

#include <memory>
#include <utility>

namespace DismissingClicks {

void connect(HotSpot *spot, std::function<bool()> dialogOpen, std::function<void()> click)
{
    struct Press
    {
        bool dismissing = false;   // the button went down while the dialog was open
        bool dismissed = false;    // the release just seen ended such a press
    };
    auto press = std::make_shared<Press>();
    QObject::connect(spot, &HotSpot::pressed, spot, [press, dialogOpen] { press->dismissing = dialogOpen(); });
    // The hot spot reports the release before the click it makes.
    QObject::connect(spot, &HotSpot::released, spot,
                     [press] { press->dismissed = std::exchange(press->dismissing, false); });
    QObject::connect(spot, &HotSpot::clicked, spot, [press, click] {
        if (!press->dismissed)
            click();
    });
}
}
