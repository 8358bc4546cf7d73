# Written by kv_artwork: the editor images of scopra as resource number=file,
# for kv_embed_resources.
set(KV_ART_RESOURCES
  128=${CMAKE_CURRENT_LIST_DIR}/bg_scopra.png
  129=${CMAKE_CURRENT_LIST_DIR}/scope_size.png
  130=${CMAKE_CURRENT_LIST_DIR}/level_handle.png
  131=${CMAKE_CURRENT_LIST_DIR}/switch_auto.png
  132=${CMAKE_CURRENT_LIST_DIR}/switch_hold.png
  133=${CMAKE_CURRENT_LIST_DIR}/switch_mode.png
  134=${CMAKE_CURRENT_LIST_DIR}/level_lit_1.png
  135=${CMAKE_CURRENT_LIST_DIR}/level_lit_2.png
  136=${CMAKE_CURRENT_LIST_DIR}/level_unlit_1.png
  137=${CMAKE_CURRENT_LIST_DIR}/level_unlit_2.png
  138=${CMAKE_CURRENT_LIST_DIR}/level_peak_1.png
  139=${CMAKE_CURRENT_LIST_DIR}/level_peak_2.png
  140=${CMAKE_CURRENT_LIST_DIR}/about.png
  141=${CMAKE_CURRENT_LIST_DIR}/bmp00141.png
  142=${CMAKE_CURRENT_LIST_DIR}/pen_bright.png
  143=${CMAKE_CURRENT_LIST_DIR}/pen_dark.png
)
