# Written by kv_artwork: the editor images of duplimo as resource number=file,
# for kv_embed_resources.
set(KV_ART_RESOURCES
  128=${CMAKE_CURRENT_LIST_DIR}/bg_duplimo.png
  134=${CMAKE_CURRENT_LIST_DIR}/slider_handle.png
  135=${CMAKE_CURRENT_LIST_DIR}/meter_lit.png
  136=${CMAKE_CURRENT_LIST_DIR}/meter_unlit.png
  137=${CMAKE_CURRENT_LIST_DIR}/switch_process.png
  138=${CMAKE_CURRENT_LIST_DIR}/switch_phase.png
  139=${CMAKE_CURRENT_LIST_DIR}/about.png
  19899=${CMAKE_CURRENT_LIST_DIR}/preset_default.png
  19990=${CMAKE_CURRENT_LIST_DIR}/bank_default.png
  19991=${CMAKE_CURRENT_LIST_DIR}/memory_recall_a.png
  19992=${CMAKE_CURRENT_LIST_DIR}/memory_recall_b.png
  19993=${CMAKE_CURRENT_LIST_DIR}/bank_load.png
  19994=${CMAKE_CURRENT_LIST_DIR}/bank_save.png
  19995=${CMAKE_CURRENT_LIST_DIR}/memory_store_a.png
  19996=${CMAKE_CURRENT_LIST_DIR}/memory_store_b.png
  19997=${CMAKE_CURRENT_LIST_DIR}/program_step.png
  19998=${CMAKE_CURRENT_LIST_DIR}/preset_load.png
  19999=${CMAKE_CURRENT_LIST_DIR}/preset_save.png
)
