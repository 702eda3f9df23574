# SPDX-License-Identifier: GPL-2.0-or-later
# The player's three stock pictures, built into the library as Qt resources
# (":/stock/Image1.png" ...), for the Linux and the Windows build alike.
function(velomni_stock_pictures target)
  qt_add_resources(${target} "stock_pictures"
    PREFIX "/stock"
    BASE ${CMAKE_SOURCE_DIR}/resources/stock
    FILES ${CMAKE_SOURCE_DIR}/resources/stock/Image1.png
          ${CMAKE_SOURCE_DIR}/resources/stock/Image2.png
          ${CMAKE_SOURCE_DIR}/resources/stock/Image3.png)
endfunction()
