#include "card_picture_embedder.h"

#include "card_image_list.h"
#include "random.h"

namespace baralune {

void CardPictureEmbedder::InsertCardPicture(richtext::RichTextBox& box, CardIndex card) {
  // Every picture takes one number from the shared generator; it once named a scratch file.
  // Keeping the draw keeps the generator's sequence what it always was.
  (void)SharedRandom().Next();
  // A picture that cannot be inserted leaves the box as it was; the report goes on without it.
  (void)richtext::InsertPicture(box, CardImageList::Small().Picture(card + 1), twips_);
}

}  // namespace baralune
