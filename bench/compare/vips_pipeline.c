/* The render pipeline of one light map written for libvips, as a peer to
 * time against: decode the photo, stretch the asset to the photo's size
 * with nearest-neighbour sampling, screen it on, write JPEG quality 90 with
 * 4:2:0 chroma. One process, streamed, libvips's own worker threads.
 *
 *   vips_pipeline PHOTO ASSET OUT
 */
#include <stdio.h>
#include <vips/vips.h>

int main(int argc, char **argv) {
  if (VIPS_INIT(argv[0])) vips_error_exit(NULL);
  if (argc != 4) {
    fprintf(stderr, "usage: %s PHOTO ASSET OUT\n", argv[0]);
    return 2;
  }
  VipsImage *photo = vips_image_new_from_file(argv[1], "access", VIPS_ACCESS_SEQUENTIAL, NULL);
  VipsImage *asset = vips_image_new_from_file(argv[2], NULL);
  if (!photo || !asset) vips_error_exit(NULL);
  const int width = photo->Xsize, height = photo->Ysize;
  VipsImage *big = NULL, *exact = NULL, *mixed = NULL, *rgb = NULL, *bytes = NULL;
  if (vips_resize(asset, &big, (double)width / asset->Xsize, "vscale",
                  (double)height / asset->Ysize, "kernel", VIPS_KERNEL_NEAREST, NULL) ||
      /* the scale may miss the size by a pixel; take exactly the photo's */
      vips_embed(big, &exact, 0, 0, width, height, "extend", VIPS_EXTEND_COPY, NULL) ||
      vips_composite2(photo, exact, &mixed, VIPS_BLEND_MODE_SCREEN, NULL) ||
      vips_extract_band(mixed, &rgb, 0, "n", 3, NULL) || vips_cast_uchar(rgb, &bytes, NULL) ||
      vips_jpegsave(bytes, argv[3], "Q", 90, "subsample_mode", VIPS_FOREIGN_SUBSAMPLE_ON, NULL))
    vips_error_exit(NULL);
  g_object_unref(bytes);
  g_object_unref(rgb);
  g_object_unref(mixed);
  g_object_unref(exact);
  g_object_unref(big);
  g_object_unref(asset);
  g_object_unref(photo);
  vips_shutdown();
  return 0;
}
