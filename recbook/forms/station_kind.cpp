#include "forms/station_kind.h"

#include "geo_text.h"

namespace recbook {

uint8_t StationKindOf(const RecordBoxTexts& texts) {
  const bool txBlank = quorla::WithoutBlanks(BoxText(texts, RecordBoxOf(Item::k1A).id)).empty();
  const bool rxFilled = !quorla::WithoutBlanks(BoxText(texts, RecordBoxOf(Item::k1Y).id)).empty();
  return txBlank && rxFilled ? kReceiverStation : kTransmitterStation;
}

}  // namespace recbook
