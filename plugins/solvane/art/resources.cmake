# Written by kv_artwork: the editor images of solvane as resource number=file,
# for kv_embed_resources.
set(KV_ART_RESOURCES
  128=${CMAKE_CURRENT_LIST_DIR}/bg_solvane.png
  134=${CMAKE_CURRENT_LIST_DIR}/slider_handle.png
  135=${CMAKE_CURRENT_LIST_DIR}/meter_lit.png
  136=${CMAKE_CURRENT_LIST_DIR}/meter_unlit.png
  137=${CMAKE_CURRENT_LIST_DIR}/switch_process.png
  138=${CMAKE_CURRENT_LIST_DIR}/switch_phase.png
  139=${CMAKE_CURRENT_LIST_DIR}/switch_invert_left.png
  140=${CMAKE_CURRENT_LIST_DIR}/switch_invert_right.png
  141=${CMAKE_CURRENT_LIST_DIR}/about.png
)
