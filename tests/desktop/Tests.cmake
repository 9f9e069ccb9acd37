# The desktop's files and the reference pages, checked with the tools
# Debian checks them with. Included from tests/CMakeLists.txt when the
# window program and its packaging are built.
kakeibo_layer_tests(reference kakeibo_reference)
set(here ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
add_test(NAME desktop.entry COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/resources/kakeibo.desktop)
add_test(NAME desktop.metainfo COMMAND sh ${here}/metainfo-test.sh ${KAKEIBO_METAINFO}
                                       ${CMAKE_SOURCE_DIR}/resources/screenshots)
set_tests_properties(desktop.metainfo PROPERTIES WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_test(NAME desktop.icon-svg COMMAND xmllint --noout ${CMAKE_SOURCE_DIR}/resources/kakeibo.svg)
add_test(NAME reference.man COMMAND sh ${here}/man-test.sh ${KAKEIBO_REFERENCE_DIR}
                                    $<TARGET_FILE:kakeibo-cli> $<TARGET_FILE:kakeibo>)
add_test(NAME reference.completion COMMAND bash ${here}/completion-test.sh ${KAKEIBO_REFERENCE_DIR}/completion
                                           $<TARGET_FILE:kakeibo-cli>)
